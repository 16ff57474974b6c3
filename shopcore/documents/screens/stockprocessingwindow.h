#pragma once

#include "shopcore/documents/stockprocessing.h"

#include <QWidget>
#include <memory>

class MovementTableModel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

// The stock processing window: the pages "นำเข้า" and "จำหน่ายออก", a progress bar and the
// buttons of the two steps. It lives as long as the database is in its exclusive use.
class StockProcessingWindow : public QWidget {
public:
    StockProcessingWindow(std::unique_ptr<StockProcessing> flow, QWidget* parent = nullptr);
    ~StockProcessingWindow() override;

    StockProcessing& flow() { return *m_flow; }
    QPushButton* step1Button() const { return m_step1; }
    QPushButton* step2Button() const { return m_step2; }
    QPushButton* quitButton() const { return m_quit; }
    QTabWidget* pages() const { return m_pages; }
    QProgressBar* progressBar() const { return m_progress; }
    QTableView* incomingView() const { return m_incomingView; }
    QTableView* outgoingView() const { return m_outgoingView; }

private:
    void showPage(StockProcessing::Page page);
    void setProgressRange(int maximum);
    void moveProgress(int value);
    void refreshLines();
    void refreshStates();

    std::unique_ptr<StockProcessing> m_flow;
    QTabWidget* m_pages;
    QTableView* m_incomingView;
    QTableView* m_outgoingView;
    MovementTableModel* m_incomingModel;
    MovementTableModel* m_outgoingModel;
    QProgressBar* m_progress;
    QPushButton* m_step1;
    QPushButton* m_step2;
    QPushButton* m_quit;
};

// "OPTIMIZE ระบบ" (retail), "ปรับ Stock ซื้อ - ขาย" (rental) and the repair program's entry.
// The window in the database's exclusive use, not yet shown (for a main window's registry),
// or nullptr after the message that says why it cannot be had. The prompter must outlive it.
StockProcessingWindow*
createStockProcessingWindow(const AliasEntry& alias, Prompter& prompter,
                            StockProcessingForm form = StockProcessingForm::retail());
// The same as a window of its own, shown at once; it frees itself when closed.
StockProcessingWindow*
openStockProcessing(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                    StockProcessingForm form = StockProcessingForm::retail());
