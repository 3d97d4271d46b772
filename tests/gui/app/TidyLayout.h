#pragma once

// Checks that a panel or page shows every control whole: nothing overlaps,
// everything lies inside, and every text fits.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace zenbelts::testing_support {

inline QString Describe(const QWidget* w)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (const auto* box = qobject_cast<const QAbstractButton*>(w))
        text = box->text();
    return QStringLiteral("%1 '%2' %3")
        .arg(QString::fromLatin1(w->metaObject()->className()), text, w->objectName());
}

// The controls a user sees in a panel or page: not the parts inside a field,
// a combo box or a table, nor the group boxes that frame them.
inline QList<QWidget*> Controls(QWidget* root)
{
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->isHidden() || qobject_cast<QGroupBox*>(w))
            continue;
        bool inner = false;
        for (QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
            inner = inner || qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p)
                    || qobject_cast<QAbstractScrollArea*>(p);
        if (!inner
            && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)
                || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<QAbstractSlider*>(w)))
            controls.append(w);
    }
    return controls;
}

inline QRect InRoot(const QWidget* w, const QWidget* root)
{
    return QRect(w->mapTo(root, QPoint(0, 0)), w->size());
}

// Nothing overlaps, everything lies inside root, and every text shows whole.
inline void ExpectTidy(QWidget* root, const QString& where)
{
    const QList<QWidget*> controls = Controls(root);
    ASSERT_GE(controls.size(), 10) << where.toStdString();
    for (int i = 0; i < controls.size(); ++i) {
        QWidget* w = controls[i];
        const QString name = where + QStringLiteral(": ") + Describe(w);
        EXPECT_TRUE(root->rect().contains(InRoot(w, root))) << name.toStdString() << " leaves its panel";
        const bool texts = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
        const QSize needed = texts ? w->sizeHint() : w->minimumSizeHint();
        EXPECT_GE(w->width(), needed.width()) << name.toStdString() << " is cut short";
        EXPECT_GE(w->height(), needed.height()) << name.toStdString() << " is cut short";
        if (auto* edit = qobject_cast<QAbstractSpinBox*>(w)) {
            // The widest value an adjustment or a limit can show.
            const QLineEdit* line = edit->findChild<QLineEdit*>();
            ASSERT_NE(line, nullptr);
            EXPECT_GE(line->width(),
                      line->fontMetrics().horizontalAdvance(QString::fromUtf8("88.8\u00b0W")) + 4)
                << name.toStdString() << " cuts its value";
        }
        for (int j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(InRoot(w, root).intersects(InRoot(controls[j], root)))
                << name.toStdString() << " overlaps " << Describe(controls[j]).toStdString();
        }
    }
}

}  // namespace zenbelts::testing_support
