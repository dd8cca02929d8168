#include "windows/HistoryListBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "core/state/GameState.h"
#include "ui/Announcer.h"

namespace {

// Draws a line's game number, then what follows its tab at the tab stop.
class TabStopDelegate : public QStyledItemDelegate {
  public:
    TabStopDelegate(const int& lineHeight, QObject* parent)
        : QStyledItemDelegate(parent), lineHeight_(lineHeight) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), lineHeight_};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& colours = option.palette;
        if (selected) painter->fillRect(option.rect, colours.highlight());
        painter->save();
        painter->setFont(option.font);
        painter->setPen(selected ? colours.highlightedText().color() : colours.text().color());
        const QString text = index.data().toString();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        const QRect line = option.rect.adjusted(2, 0, 0, 0);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter->drawText(line, flags, tab < 0 ? text : text.left(tab));
        if (tab >= 0) {
            const int tabStop =
                QFontMetrics(option.font).averageCharWidth() * HistoryListBox::kTabStopQuarters / 4;
            painter->drawText(line.adjusted(tabStop, 0, 0, 0), flags, text.mid(tab + 1));
        }
        painter->restore();
    }

  private:
    const int& lineHeight_;
};

}  // namespace

HistoryListBox::HistoryListBox(QWidget* parent) : QListWidget(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setUniformItemSizes(true);
    setFrameShape(QFrame::NoFrame);
    setSortingEnabled(false);
    setItemDelegate(new TabStopDelegate(lineHeight_, this));
    // The keyboard and the wheel move the top line too.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (isVisible()) top_ = value;
    });
    announcer_ = new Announcer(this);
    connect(this, &QListWidget::currentRowChanged, this, [this] { tellCurrent(); });
}

void HistoryListBox::tellCurrent() {
    const std::optional<history::HistoryEntry> entry = currentEntry();
    if (!entry) return;
    announcer_->announce(QStringLiteral("Game %1, %2, row %3 of %4")
                             .arg(GameNumberText(entry->game), money::Currency(entry->gameWin))
                             .arg(currentRow() + 1)
                             .arg(count()));
}

int HistoryListBox::visibleLines() const { return std::max(1, height() / lineHeight_); }

void HistoryListBox::setTopIndex(int index) {
    top_ = std::clamp(index, 0, std::max(0, count() - visibleLines()));
    applyTop();
}

void HistoryListBox::applyTop() {
    doItemsLayout();
    verticalScrollBar()->setValue(top_);
}

void HistoryListBox::setLineHeight(int lineHeight) {
    lineHeight_ = std::max(1, lineHeight);
    setTopIndex(top_);
}

void HistoryListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    applyTop();
}

void HistoryListBox::showEvent(QShowEvent* event) {
    QListWidget::showEvent(event);
    applyTop();
    tellCurrent();
}

QStringList HistoryListBox::lines() const {
    QStringList all;
    all.reserve(count());
    for (int row = 0; row < count(); ++row) all << item(row)->text();
    return all;
}

void HistoryListBox::setEntries(std::vector<history::HistoryEntry> entries) {
    entries_ = std::move(entries);
    clear();
    addItems(history::HistoryLines(entries_));
    setTopIndex(0);
}

std::optional<history::HistoryEntry> HistoryListBox::currentEntry() const {
    const int row = currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size())) return std::nullopt;
    return entries_[static_cast<std::size_t>(row)];
}

void HistoryListBox::setOrder(std::optional<history::HistoryOrder> order) {
    order_ = order;
    setEntries(history::Resorted(entries_, order.value_or(history::HistoryOrder::GameAscending)));
}
