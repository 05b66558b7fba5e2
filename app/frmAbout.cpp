#include "app/frmAbout.h"

#include "app/BuildInfo.h"
#include "app/Texts.h"
#include "ui_frmAbout.h"

namespace dozewell {

frmAbout::frmAbout(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->Text1->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    ui->Text1->setPlainText(
        texts::kAboutText.arg(QLatin1String(kVersion)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (QWidget *shape : {ui->Shape1, ui->Shape2})
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->Text1->setFocus();
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdClose_Click()
{
    hide();
    emit closeClicked();
}

} // namespace dozewell
