#include "data/Utils.h"

#include <filesystem>
#include <system_error>

#include "data/Convert.h"
#include "platform/Canvas.h"
#include "session/Process.h"

namespace fs = std::filesystem;

namespace {

// The bytes of the character starting at the given byte: a whole UTF-8
// sequence, or one byte when the bytes there are no valid sequence (Latin-1).
size_t CharacterBytes(const std::string& text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                                       : 1;
    if (length == 1 || at + length > text.size())
        return 1;
    for (size_t next = at + 1; next < at + length; ++next)
        if ((static_cast<unsigned char>(text[next]) & 0xC0) != 0x80)
            return 1;
    return length;
}

// Where each character of the text starts, in bytes.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t at = 0; at < text.size(); at += CharacterBytes(text, at))
        starts.push_back(at);
    return starts;
}

} // namespace

std::string LeftStr(const std::string& text, int n)
{
    if (n <= 0)
        return {};
    const std::vector<size_t> starts = CharacterStarts(text);
    const auto count = static_cast<size_t>(n);
    return count >= starts.size() ? text : text.substr(0, starts[count]);
}

std::string RightStr(const std::string& text, int n)
{
    if (n <= 0)
        return {};
    const std::vector<size_t> starts = CharacterStarts(text);
    const auto count = static_cast<size_t>(n);
    return count >= starts.size() ? text : text.substr(starts[starts.size() - count]);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t index = 0; index < text.size(); ++index) {
        const char c = text[index];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            ++index;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

void SplitToList(const std::string& text, char separator, std::vector<std::string>& list)
{
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            list.push_back(Trim(text.substr(start)));
            return;
        }
        list.push_back(Trim(text.substr(start, end - start)));
        start = end + 1;
    }
}

void SplitToIntegers(const std::string& text, char separator, std::vector<int32_t>& numbers)
{
    numbers.clear();
    std::string piece;
    auto flush = [&] {
        if (!piece.empty())
            numbers.push_back(StrToIntDef(Trim(piece), 0));
        piece.clear();
    };
    for (char c : text) {
        if (c == separator)
            flush();
        else
            piece += c;
    }
    flush();
}

int DiceTotal(int count, int faces)
{
    if (count <= 0 || faces <= 0)
        return 0;
    int total = 0;
    for (int roll = 0; roll < count; ++roll)
        total += Process().Random.Random(faces) + 1;
    return total;
}

bool DeleteFolder(const std::string& path)
{
    std::error_code error;
    if (path.empty() || !fs::is_directory(fs::symlink_status(path, error)))
        return true;
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(path, error)) {
        // A link to a folder is removed as a link, never followed.
        if (entry.is_directory(error) && !entry.is_symlink(error))
            folders.push_back(entry.path());
        else
            fs::remove(entry.path(), error);
    }
    for (const auto& folder : folders)
        DeleteFolder(folder.string());
    return fs::remove(path, error);
}

void WrapLines(const std::vector<std::string>& source, std::vector<std::string>& target, ICanvas& canvas,
               std::string_view breakChars, int maxWidth)
{
    for (const std::string& line : source) {
        if (line.empty() || line == " ") {
            target.push_back(" ");
            continue;
        }
        std::string piece;
        // Lengths of the piece at the last two break characters; kept for the whole line.
        size_t d = 1;
        size_t e = 1;
        for (size_t c = 0; c < line.size(); ++c) {
            piece += line[c];
            if (breakChars.find(line[c]) != std::string_view::npos) {
                e = d;
                d = piece.size();
            }
            if (canvas.TextWidth(piece) > maxWidth) {
                // Cut at the last break, else at the one before; a break position
                // beyond the piece cuts nothing, so no text is skipped.
                const size_t length = piece.size();
                size_t cut = length;
                if (d < cut)
                    cut = d;
                if (canvas.TextWidth(piece.substr(0, cut)) > maxWidth && e < cut)
                    cut = e;
                target.push_back(piece.substr(0, cut));
                piece.clear();
                c -= length - cut;
            }
        }
        if (!piece.empty())
            target.push_back(piece);
    }
}
