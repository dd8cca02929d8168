#include "ToolCommand.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace {

std::vector<ToolCommand>& registry() {
    static std::vector<ToolCommand> commands;
    return commands;
}

QString OptionName(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().constLast();
}

}  // namespace

const std::vector<ToolCommand>& ToolCommands() { return registry(); }

ToolCommandRegistration::ToolCommandRegistration(ToolCommand command) {
    auto& commands = registry();
    const auto at = std::lower_bound(
        commands.begin(), commands.end(), command.name,
        [](const ToolCommand& existing, const QString& name) { return existing.name < name; });
    commands.insert(at, std::move(command));
}

namespace tool {

UsageError::UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}

int IntValue(const QCommandLineParser& parser, const QCommandLineOption& option, int low,
             int high) {
    const QString range = QStringLiteral("%1 to %2").arg(low).arg(high);
    if (!parser.isSet(option))
        throw UsageError(OptionName(option) + QStringLiteral(" is required (") + range + ')');
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < low || value > high)
        throw UsageError(OptionName(option) + QStringLiteral(" must be ") + range);
    return value;
}

int IntValue(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high,
             int fallback) {
    return parser.isSet(option) ? IntValue(parser, option, low, high) : fallback;
}

Money AmountValue(const QCommandLineParser& parser, const QCommandLineOption& option, Money low,
                  Money high, Money fallback) {
    if (!parser.isSet(option)) return fallback;
    // What the error below writes in the system's locale ("2,50 €") is read
    // back, and so is "$2.50" whatever the locale.
    const QLocale locale = QLocale::system();
    QString text = parser.value(option).trimmed();
    for (const QString& sign :
         {QStringLiteral("$"), locale.currencySymbol(QLocale::CurrencySymbol)}) {
        if (sign.isEmpty()) continue;
        if (text.startsWith(sign)) text = text.mid(sign.size()).trimmed();
        if (text.endsWith(sign)) text = text.chopped(sign.size()).trimmed();
    }
    const QRegularExpression amountPattern(
        QStringLiteral(R"(^(\d{1,7})(?:(?:\.|%1)(\d{1,4}))?$)")
            .arg(QRegularExpression::escape(locale.decimalPoint())));
    const QRegularExpressionMatch match = amountPattern.match(text);
    if (match.hasMatch()) {
        const QString fraction = match.captured(2).leftJustified(4, QLatin1Char('0'));
        const Money amount =
            match.captured(1).toLongLong() * money::kOneDollar + fraction.toLongLong();
        if (amount >= low && amount <= high) return amount;
    }
    throw UsageError(OptionName(option) + QStringLiteral(" must be an amount from ") +
                     money::Currency(low, 2, locale) + QStringLiteral(" to ") +
                     money::Currency(high, 2, locale));
}

QString FileValue(const QCommandLineParser& parser, const QCommandLineOption& option,
                  const QString& fallback) {
    if (!parser.isSet(option)) return fallback;
    const QString file = parser.value(option);
    if (file.isEmpty()) throw UsageError(OptionName(option) + QStringLiteral(" needs a file name"));
    return file;
}

namespace {
void printTo(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}
}  // namespace

void PrintLine(const QString& line) { printTo(stdout, line); }

void PrintNote(const QString& line) { printTo(stderr, line); }

}  // namespace tool
