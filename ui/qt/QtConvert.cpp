#include "ui/qt/QtConvert.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "data/Picture.h"

QString ToQt(const std::string& text)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text)
{
    return text.toStdString();
}

QColor ToQColor(TColor color)
{
    return QColor(static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>(color & 0xFF));
}

namespace {

// Faces of Windows that other desktops seldom have; a missing one falls back
// to a face of its kind rather than to the desktop's plain one.
QFont::StyleHint KindOfFace(const QString& family)
{
    static const QStringList Serif = {"Bookman Old Style", "Book Antiqua", "Cambria",           "Century Schoolbook",
                                      "Garamond",          "Georgia",      "Palatino Linotype", "Times New Roman"};
    static const QStringList Fixed = {"Consolas", "Courier New", "Lucida Console"};
    if (Serif.contains(family, Qt::CaseInsensitive))
        return QFont::Serif;
    if (Fixed.contains(family, Qt::CaseInsensitive))
        return QFont::TypeWriter;
    return QFont::AnyStyle;
}

} // namespace

QFont ToQFont(const TFont& font)
{
    QFont result(ToQt(font.Name));
    result.setStyleHint(KindOfFace(result.family()));
    result.setPointSize(std::clamp(font.Size, 1, 200));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

QImage ToQImage(const TPicture& picture)
{
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() != static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height))
        return {};
    // Both are 0xAARRGGBB words, one row after another.
    QImage image(picture.Width, picture.Height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.Height; ++y)
        std::memcpy(image.scanLine(y), picture.Pixels.data() + static_cast<size_t>(y) * picture.Width,
                    static_cast<size_t>(picture.Width) * sizeof(uint32_t));
    return image;
}

QString ToQtFileFilter(const std::string& filter)
{
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (qsizetype index = 0; index + 1 < parts.size(); index += 2) {
        const QString patterns = parts[index + 1].split(';', Qt::SkipEmptyParts).join(' ');
        // A label that names its patterns already keeps them once.
        const QString named = " (" + patterns + ")";
        filters << (parts[index].endsWith(named) ? parts[index] : parts[index] + named);
    }
    return filters.join(";;");
}
