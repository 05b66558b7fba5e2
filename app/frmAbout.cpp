// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmAbout.h"

#include "app/Accessibility.h"
#include "app/BuildInfo.h"
#include "app/CaptionFit.h"
#include "app/Keyboard.h"
#include "app/Texts.h"
#include "app/WindowPlacement.h"
#include "ui_frmAbout.h"

#include <QShortcut>

namespace dozewell {

namespace {
// Where comments go, as the About text gives it.
const QString kContactAddress = QStringLiteral("dozewell-timer@example.invalid");
} // namespace

frmAbout::frmAbout(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmAbout>())
{
    InstallAccessibleInterfaces();
    ui->setupUi(this);
    OfferNoMaximize(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->Text1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    ui->Text1->setPlainText(texts::kAboutText().arg(QLatin1String(kVersion), kContactAddress));
    for (QWidget *shape : {ui->Shape1, ui->Shape2})
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->Text1->setFocus();
    // Eleven lines fill the text's box: it takes the size they fit at, and
    // the rest of the window the size its own captions fit at.
    KeepFitting(this, [this] {
        FitCaptions(this, {ui->Text1});
        FitCaptions(ui->Text1);
    });
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
    // Escape puts the window away, as it closes a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &frmAbout::cmdClose_Click);
    ForKeyboardUse(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdClose_Click()
{
    hide();
    emit closeClicked();
}

} // namespace dozewell
