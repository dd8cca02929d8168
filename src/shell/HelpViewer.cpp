#include "shell/HelpViewer.h"

#include <QCursor>
#include <QLabel>
#include <QTextBrowser>

namespace {
QString paragraphsHtml(const QString& text) {
    QString html;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n")))
        html += QStringLiteral("<p>") + paragraph.toHtmlEscaped() + QStringLiteral("</p>");
    return html;
}
}  // namespace

HelpViewer::HelpViewer(HelpFile file) : file_(std::move(file)) {}

HelpViewer::~HelpViewer() { quit(); }

QTextBrowser* HelpViewer::browser() {
    if (!browser_) {
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        // Help open on its own does not keep the game running.
        browser_->setAttribute(Qt::WA_QuitOnClose, false);
        browser_->setWindowTitle(QStringLiteral("Velloro Help"));
        browser_->setOpenLinks(false);
        browser_->resize(520, 420);
        QObject::connect(browser_, &QTextBrowser::anchorClicked, browser_, [this](const QUrl& url) {
            bool ok = false;
            const int number = url.path().toInt(&ok);
            if (ok)
                showTopic(number);
            else
                showContents();
        });
    }
    return browser_;
}

QString HelpViewer::contentsHtml() const {
    QString html = QStringLiteral("<h2>Velloro Help Topics</h2><ul>");
    for (const auto& [number, topic] : file_.topics())
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(number)
                    .arg(topic.title.toHtmlEscaped());
    return html + QStringLiteral("</ul>");
}

QString HelpViewer::topicHtml(int number) const {
    const HelpFile::Topic* topic = file_.topic(number);
    if (!topic) return QStringLiteral("<p>No help is available for this item.</p>");
    return QStringLiteral("<h2>%1</h2>").arg(topic->title.toHtmlEscaped()) +
           paragraphsHtml(topic->text) +
           QStringLiteral("<p><a href=\"contents\">Help Topics</a></p>");
}

void HelpViewer::showContents() {
    QTextBrowser* b = browser();
    b->setHtml(contentsHtml());
    b->show();
    b->raise();
}

void HelpViewer::showTopic(int number) {
    QTextBrowser* b = browser();
    b->setHtml(topicHtml(number));
    b->show();
    b->raise();
}

QString HelpViewer::popupText(int number) const {
    const HelpFile::Topic* topic = file_.topic(number);
    if (!topic) return QStringLiteral("No help is available for this item.");
    return topic->title + QStringLiteral("\n\n") + topic->text;
}

void HelpViewer::showPopup(int number, QPoint at) {
    if (!popup_) {
        // A pop-up window closes itself on the next click anywhere.
        popup_ = new QLabel(nullptr, Qt::Popup);
        popup_->setAttribute(Qt::WA_DeleteOnClose);
        popup_->setAttribute(Qt::WA_QuitOnClose, false);
        popup_->setWordWrap(true);
        popup_->setMargin(8);
        popup_->setFixedWidth(300);
        popup_->setStyleSheet(QStringLiteral(
            "QLabel { background: #ffffe1; color: black; border: 1px solid black; }"));
    }
    popup_->setText(popupText(number));
    popup_->adjustSize();
    popup_->move(at.x() < 0 ? QCursor::pos() : at);
    popup_->show();
}

void HelpViewer::quit() {
    if (popup_) popup_->close();
    if (browser_) browser_->close();
}
