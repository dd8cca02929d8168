#pragma once

#include <QImage>
#include <functional>

#include "core/tickets/TicketPrintLayout.h"

class QPainter;
class QPrinter;
class QWidget;
struct GameState;

// Prints the Keno ticket being played through the system's print dialog, to
// any printer or to a PDF file.
class TicketPrinter {
  public:
    // Lets the player choose the printer; false when the dialog is cancelled.
    using ChoosePrinter = std::function<bool(QPrinter& printer, QWidget* parent)>;

    TicketPrinter();
    // Tests choose a PDF file without a dialog.
    void setChoosePrinter(ChoosePrinter choose) { choose_ = std::move(choose); }

    // Shows the print dialog and prints; false when the player cancelled.
    // Throws IoError when the printer cannot start the job.
    bool print(const GameState& state, const way::WayCountArray& wayCountsEdit, QWidget* parent);

    // Draws the ticket onto a device already begun, in its pixels.
    static void paint(QPainter& painter, const ticket_print::Printout& printout,
                      const ticket_print::DeviceMap& map);

    // Our logo, 96 x 96 in 16 colours: a keno ball with a check mark.
    static const QImage& logo();

  private:
    ChoosePrinter choose_;
};
