#include "ui/pane_codec.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace cantiva::ui {
namespace {

// "\r\n" and a lone '\r' become '\n'.
QString UnifyLineEnds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// QString::fromUtf8 drops a leading byte-order mark; in a pane it is a character of the text.
QString FromUtf8KeepingMark(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (utf8.starts_with(text::kUtf8Bom))
        text.prepend(QChar(0xFEFF));
    return text;
}

} // namespace

QString PaneText(const QPlainTextEdit& pane) {
    QString raw = pane.document()->toRawText();
    for (QChar& c : raw)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return raw;
}

text::CodePageText PaneToCore(const QString& paneText, const text::CodePage& codePage) {
    // Only a line feed that does not already follow a carriage return gains one, so the byte count
    // stays what PanePositionOf walks.
    QString joined;
    joined.reserve(paneText.size() + paneText.size() / 16 + 1);
    for (qsizetype i = 0; i < paneText.size(); ++i) {
        const QChar c = paneText.at(i);
        if (c == QLatin1Char('\n') && (i == 0 || paneText.at(i - 1) != QLatin1Char('\r')))
            joined += QLatin1Char('\r');
        joined += c;
    }
    const QByteArray utf8 = joined.toUtf8();
    return text::Utf8ToCodePage(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), codePage);
}

QString CoreToPane(std::string_view bytes, const std::vector<std::string>& foreign,
                   const text::CodePage& codePage) {
    return UnifyLineEnds(FromUtf8KeepingMark(text::CodePageToUtf8(bytes, foreign, codePage)));
}

qsizetype PanePositionOf(const QString& paneText, std::size_t coreOffset) {
    std::size_t bytes = 0;
    qsizetype i = 0;
    while (i < paneText.size()) {
        const QChar c = paneText.at(i);
        std::size_t width = 1; // core bytes of this character
        qsizetype units = 1;   // UTF-16 units of this character
        if (c == QLatin1Char('\n') && (i == 0 || paneText.at(i - 1) != QLatin1Char('\r')))
            width = 2;
        else if (c.isHighSurrogate() && i + 1 < paneText.size() &&
                 paneText.at(i + 1).isLowSurrogate())
            units = 2;
        if (coreOffset < bytes + width)
            return i;
        bytes += width;
        i += units;
    }
    return paneText.size();
}

namespace {

PaneFile ToPane(const text::DecodedText& decoded) {
    QString pane = UnifyLineEnds(FromUtf8KeepingMark(decoded.utf8));
    if (pane.endsWith(QLatin1Char('\n')))
        pane.chop(1);
    return {std::move(pane), decoded.encoding};
}

} // namespace

std::optional<PaneFile> FileBytesToPane(std::string_view fileBytes,
                                        const text::CodePage& preferred) {
    if (std::optional<text::DecodedText> decoded = text::DecodeTextFile(fileBytes, preferred))
        return ToPane(*decoded);
    return std::nullopt;
}

PaneFile FileBytesToPaneAs(std::string_view fileBytes, text::TextEncoding encoding) {
    return ToPane(text::DecodeTextAs(fileBytes, encoding));
}

} // namespace cantiva::ui

namespace cantiva::ui {

void ShowPaneText(QPlainTextEdit& pane, QString text) {
    int line = 0;
    for (QChar& c : text)
        if (c == QLatin1Char('\n') && ++line % kLinesPerParagraph != 0)
            c = QChar::LineSeparator;
    pane.setPlainText(text);
}

} // namespace cantiva::ui
