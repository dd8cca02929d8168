#include "windows/TableParts.h"

#include <stdexcept>

#include "windows/TableLayout.h"

namespace {

constexpr std::pair<ValueField, const char*> kValueBoxes[] = {
    {ValueField::NumberOfGames, "ImageNOGN"},
    {ValueField::PricePerWay, "ImagePPWN"},
    {ValueField::PricePerGame, "ImagePPGN"},
    {ValueField::TotalPrice, "ImageTPN"},
    {ValueField::Spot, "ImageSpot"}};

}  // namespace

TableParts TableParts::pick(const std::function<PictureControl*(const QString&)>& byName) {
    const auto need = [&byName](const QString& name) {
        PictureControl* found = byName(name);
        if (!found) throw std::logic_error("the table layout has no control " + name.toStdString());
        return found;
    };
    TableParts picked;
    for (int n = 1; n <= board::kNumbers; ++n)
        picked.cells[static_cast<std::size_t>(n - 1)] = need(QStringLiteral("Image%1").arg(n));
    const auto& buttons = table_layout::Buttons();
    for (std::size_t i = 0; i < picked.buttons.size() && i < buttons.size(); ++i)
        picked.buttons[i] = need(buttons[i].name);
    const auto& arrows = table_layout::Arrows();
    for (std::size_t i = 0; i < picked.arrows.size() && i < arrows.size(); ++i)
        picked.arrows[i] = need(arrows[i].name);
    const char* const rounded[] = {"ImageTotal", "ImageGames", "ImagePriceWay", "ImagePriceGame",
                                   "ImageSpotWay"};
    for (std::size_t i = 0; i < picked.roundedBoxes.size(); ++i)
        picked.roundedBoxes[i] = need(QLatin1String(rounded[i]));
    const char* const frames[] = {"ImageTop", "ImageStatus", "ImageNumber", "ImageBottom"};
    for (std::size_t i = 0; i < picked.frames.size(); ++i)
        picked.frames[i] = need(QLatin1String(frames[i]));
    const char* const status[] = {"ImageGOC", "ImageOC", "ImageGN", "ImageN"};
    for (std::size_t i = 0; i < picked.status.size(); ++i)
        picked.status[i] = need(QLatin1String(status[i]));
    const std::pair<const char*, const char*> captions[] = {
        {"ImageTP", "TOTAL PRICE"},      {"ImageNOG", "NUMBER OF GAMES"},
        {"ImagePPW", "PRICE PER WAY"},   {"ImagePPG", "PRICE PER GAME"},
        {"ImageNOS", "NUMBER OF SPOTS"}, {"ImageWP", "OR WAYS PLAYED"}};
    for (std::size_t i = 0; i < picked.captions.size(); ++i)
        picked.captions[i] = {need(QLatin1String(captions[i].first)),
                              QLatin1String(captions[i].second)};
    for (const auto& [field, name] : kValueBoxes)
        picked.values[static_cast<std::size_t>(field)] = need(QLatin1String(name));
    picked.centre = need(QStringLiteral("ImageCenter"));
    picked.special = need(QStringLiteral("ImageTicketKind"));
    return picked;
}

PictureControl* TableParts::cell(int n) const {
    if (n < 1 || n > board::kNumbers) return nullptr;
    return cells[static_cast<std::size_t>(n - 1)];
}

PictureControl* TableParts::button(TableButton which) const {
    const auto& layout = table_layout::Buttons();
    for (std::size_t i = 0; i < layout.size() && i < buttons.size(); ++i)
        if (layout[i].which == which) return buttons[i];
    return nullptr;
}

PictureControl* TableParts::value(ValueField field) const {
    return values[static_cast<std::size_t>(field)];
}
