#pragma once

#include <QListWidget>
#include <optional>

#include "core/records/HistoryList.h"

class Announcer;

// The games list: no vertical scroll bar, one tab stop, whole lines of a fixed
// height, and an order set by its comparison (none: by game number). It holds
// the games' entries; their lines are only what it shows. Setting the
// comparison re-sorts the entries at once. A screen reader is told the
// current line as the list shows and as it moves ("Game 001, $0.00, row 2 of 1000").
class HistoryListBox : public QListWidget {
    Q_OBJECT
  public:
    // The tab stop in quarters of the list font's average character width.
    static constexpr int kTabStopQuarters = 22;

    explicit HistoryListBox(QWidget* parent = nullptr);

    // Sets the comparison and re-sorts; none compares game numbers.
    void setOrder(std::optional<history::HistoryOrder> order);
    std::optional<history::HistoryOrder> order() const { return order_; }

    // Every line in list order, as shown.
    QStringList lines() const;
    void setEntries(std::vector<history::HistoryEntry> entries);
    // The entry of the current line; none when no line is current.
    std::optional<history::HistoryEntry> currentEntry() const;

    // The index of the line shown on top. It stays between 0 and the top of
    // the last whole page, so the list never shows empty lines below its end.
    int topIndex() const { return top_; }
    void setTopIndex(int index);
    // How many whole lines the list shows.
    int visibleLines() const;

    // The line height in pixels.
    void setLineHeight(int lineHeight);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Lays the lines out again and shows the top line.
    void applyTop();
    void tellCurrent();

    std::vector<history::HistoryEntry> entries_;  // in list order
    std::optional<history::HistoryOrder> order_;
    int lineHeight_ = 15;
    int top_ = 0;
    Announcer* announcer_ = nullptr;
};
