#pragma once

#include "model/AtTheDish.h"
#include "model/MountSettings.h"

#include <QDialog>
#include <QPrinter>

class QDateEdit;
class QPushButton;
class QTextBrowser;

namespace zenbelts {

// View > At the dish: every number a person at the dish needs, in the form
// his instruments show it, for a date; printed on one sheet to take up the
// ladder.
class CAtTheDishDialog : public QDialog {
    Q_OBJECT
public:
    CAtTheDishDialog(const MountSettings& settings, const QString& title, QWidget* parent = nullptr);

    QDateEdit* Date() const { return date_; }
    QTextBrowser* Page() const { return page_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* PreviewButton() const { return preview_; }

    // The page as shown, as rich text.
    QString Html() const { return html_; }
    // Paints the page on one sheet; false without a printer.
    bool PrintOn(QPrinter& printer);

private:
    void Refresh();
    void OnPrint();
    void OnPreview();

    const MountSettings settings_;
    const QString title_;
    QDateEdit* date_;
    QTextBrowser* page_;
    QPushButton* print_;
    QPushButton* preview_;
    QPrinter printer_;
    QString html_;
};

}  // namespace zenbelts
