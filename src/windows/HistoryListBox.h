#pragma once

#include <QListWidget>
#include <optional>

#include "core/records/HistoryList.h"

// The games list: no vertical scroll bar, one tab stop, whole lines of a fixed
// height, and an order set by its comparison (none: whole lines as text).
// Setting the comparison re-sorts the lines at once.
class HistoryListBox : public QListWidget {
    Q_OBJECT
  public:
    // The tab stop in quarters of the list font's average character width.
    static constexpr int kTabStopQuarters = 22;

    explicit HistoryListBox(QWidget* parent = nullptr);

    // Sets the comparison and re-sorts; none compares whole lines as text.
    void setOrder(std::optional<history::HistoryOrder> order);
    std::optional<history::HistoryOrder> order() const { return order_; }

    // Every line in list order.
    QStringList lines() const;
    void setLines(const QStringList& lines);

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

    std::optional<history::HistoryOrder> order_;
    int lineHeight_ = 15;
    int top_ = 0;
};
