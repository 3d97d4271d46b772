#include "dialogs/PropertiesDialog.h"

#include "controls/NumericEdit.h"

#include "dialogs/GeneralPage.h"
#include "dialogs/HorizonPage.h"
#include "dialogs/SatellitesPage.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zenbelts {

CPropertiesDialog::CPropertiesDialog(const SatelliteCatalogue& catalogue, MountSettings& working,
                                     QWidget* parent)
    : QDialog(parent), working_(working), tabs_(new QTabWidget(this)), general_(new CGeneralPage),
      satellites_(new CSatellitesPage(catalogue, working)), horizon_(new CHorizonPage)
{
    setWindowTitle(tr("Properties"));
    general_->Load(working);
    general_->setFocusProxy(general_->LatitudeDegrees());
    satellites_->setFocusProxy(satellites_->Filter());
    tabs_->addTab(general_, tr("General"));
    tabs_->addTab(satellites_, tr("Satellites"));
    horizon_->Load(working);
    tabs_->addTab(horizon_, tr("Horizon"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from any field, a combo box
    // too; the page turned to takes the keyboard at its first control, so
    // that what is typed next lands there.
    const auto turn = [this](int step) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
        // Each page hands the keyboard to its first control.
        if (QWidget* page = tabs_->currentWidget())
            page->setFocus(Qt::TabFocusReason);
    };
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [turn, step = step] { turn(step); });
    }
    tabs_->setCurrentIndex(0);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        satellitesShown_ = satellitesShown_ || tabs_->widget(index) == satellites_;
    });
    // The first field, not the tab bar: the user types at once.
    general_->LatitudeDegrees()->setFocus(Qt::OtherFocusReason);
}

void CPropertiesDialog::accept()
{
    // One transaction: a list imported or gone back to is taken over first,
    // and a failure leaves the dialog open with everything as it was.
    QString error;
    if (!satellites_->TakePendingList(error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    general_->Store(working_);
    horizon_->Store(working_);
    // Chosen positions the list lacks are dropped only by a page the user saw.
    if (satellitesShown_)
        satellites_->Store(working_);
    QDialog::accept();
}

bool DoPropertiesDialog(QWidget* parent, const SatelliteCatalogue& catalogue, MountSettings& settings,
                        SatelliteListKeeper* keeper)
{
    MountSettings working = settings;
    CPropertiesDialog dialog(catalogue, working, parent);
    dialog.SatellitesPage()->SetListKeeper(keeper);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyConfirmedProperties(settings, working);
    return true;
}

}  // namespace zenbelts
