#include "plot/RecordedDrawing.h"

#include "text/JsonString.h"
#include "text/Numbers.h"

namespace zenbelts {

namespace {

void Append(std::string& out, int value)
{
    out += ", " + std::to_string(value);
}

}  // namespace

void RecordedDrawing::Begin(const char* name)
{
    if (!json_.empty())
        json_ += ",\n";
    json_ += "[\"";
    json_ += name;
    json_ += '"';
}

void RecordedDrawing::DrawLine(Point from, Point to)
{
    Begin("line");
    for (int v : {from.x, from.y, to.x, to.y})
        Append(json_, v);
    json_ += ']';
}

void RecordedDrawing::DrawArc(Point centre, int radius, float startDegrees, float sweepDegrees)
{
    Begin("arc");
    for (int v : {centre.x, centre.y, radius})
        Append(json_, v);
    json_ += ", " + FormatShortest(startDegrees) + ", " + FormatShortest(sweepDegrees) + ']';
}

void RecordedDrawing::DrawBezier(const Point (&p)[4])
{
    Begin("bezier");
    for (const Point& q : p) {
        Append(json_, q.x);
        Append(json_, q.y);
    }
    json_ += ']';
}

void RecordedDrawing::FillEllipse(const Rect& box)
{
    Begin("ellipse");
    for (int v : {box.left, box.top, box.right, box.bottom})
        Append(json_, v);
    json_ += ']';
}

void RecordedDrawing::FillPolygon(const std::vector<Point>& corners, Rgb colour)
{
    Begin("polygon");
    for (int v : {colour.r, colour.g, colour.b})
        Append(json_, v);
    json_ += ", [";
    for (std::size_t i = 0; i < corners.size(); ++i)
        json_ += (i ? ", " : "") + std::to_string(corners[i].x) + ", " + std::to_string(corners[i].y);
    json_ += "]]";
}

void RecordedDrawing::SetPixel(Point p, Rgb colour)
{
    Begin("pixel");
    for (int v : {p.x, p.y, int{colour.r}, int{colour.g}, int{colour.b}})
        Append(json_, v);
    json_ += ']';
}

void RecordedDrawing::DrawText(Point topLeft, std::string_view text)
{
    Begin("text");
    Append(json_, topLeft.x);
    Append(json_, topLeft.y);
    json_ += ", " + JsonString(text) + ']';
}

int RecordedDrawing::TextWidth(std::string_view text)
{
    return measure_ ? measure_(font_, text) : 0;
}

void RecordedDrawing::SetPen(const PenSpec& pen)
{
    Begin("pen");
    for (int v : {pen.width, int{pen.colour.r}, int{pen.colour.g}, int{pen.colour.b}})
        Append(json_, v);
    json_ += ']';
}

void RecordedDrawing::SetFont(const FontSpec& font)
{
    font_ = font;
    Begin("font");
    json_ += ", " + JsonString(font.face);
    Append(json_, font.pixelSize);
    json_ += font.bold ? ", true]" : ", false]";
}

void RecordedDrawing::SetClip(const Rect& clip)
{
    Begin("clip");
    for (int v : {clip.left, clip.top, clip.right, clip.bottom})
        Append(json_, v);
    json_ += ']';
}

void RecordedDrawing::ClearClip()
{
    Begin("noclip");
    json_ += ']';
}

}  // namespace zenbelts
