// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace dozewell {

// The About window: a fixed text between two copies of the logo. Its Close
// button hides it; the window system's close destroys it.
class frmAbout : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

signals:
    // Close was pressed: the window is hidden and the main window should come forward.
    void closeClicked();

public slots:
    void cmdClose_Click();

private:
    std::unique_ptr<Ui::frmAbout> ui;
};

} // namespace dozewell
