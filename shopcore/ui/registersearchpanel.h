#pragma once

#include <QFrame>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class RegisterWorkflow;

// The register's search panel ("?"): search by code or name, the entry, the grid of code and
// name, and the button that ends the search ("กลับ" or "ตกลง"). Its behaviour is the
// workflow's; this is only the view.
class RegisterSearchPanel : public QFrame {
    Q_OBJECT
public:
    RegisterSearchPanel(RegisterWorkflow& workflow, QWidget* parent = nullptr);

    QLineEdit* entry() const { return m_entry; }
    QPushButton* finishButton() const { return m_finish; }
    QTableView* grid() const { return m_grid; }

    // Follows the workflow: shown while searching, mode, caption, current row.
    void follow();
    void showCurrentRow();

private:
    RegisterWorkflow& m_workflow;
    QGroupBox* m_modes = nullptr;
    QRadioButton* m_byCode = nullptr;
    QRadioButton* m_byName = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_entry = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_finish = nullptr;
};
