// The new-grid dialog: a difficulty, the assistance switch, and OK to make the puzzle.
#pragma once

#include "app/qt_plain_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace taremo {

class FrmMain;

class FrmNew : public PlainDialog {
public:
    explicit FrmNew(FrmMain& main);

    QComboBox* cmbChoix() const { return m_cmbChoix; }
    QCheckBox* chkAssist() const { return m_chkAssist; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdUndo() const { return m_cmdUndo; }
    QLabel* Label1() const { return m_label1; }

    void cmbChoix_Click(int position);
    void cmdOK_Click();
    void cmdUndo_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void Form_Load();

    FrmMain& m_main;
    QLabel* m_label1 = nullptr;
    QComboBox* m_cmbChoix = nullptr;
    QCheckBox* m_chkAssist = nullptr;
    QPushButton* m_cmdUndo = nullptr;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace taremo
