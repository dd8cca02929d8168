#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

// The game's version, as the build names it (the CMake project version).
extern const char* const kVelloroVersion;

// "About Velloro": the game's name, version and what it is, and the parts it
// is built on with their licences, painted like the game's own windows on the
// green table. Closes by OK, Enter, Escape or its close box.
class AboutBox : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDesignWidth = 330;
    static constexpr int kDesignHeight = 250;

    // One line of text in design units: where it sits and how it is written.
    struct Line {
        QRect designRect;
        QString text;
        int fontUnits;
        bool title;  // the name, in the check colour over a shadow
    };
    // Every text of the box, top to bottom.
    static std::vector<Line> Lines();
    // The third-party parts and their licences, one line each.
    static QStringList Credits();

    explicit AboutBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRect scaled(const QRect& designRect) const;
};

// Shows the about box modally.
void ShowAboutBox(QWidget* parent);
