// SPDX-License-Identifier: MIT
#include "core/document/recovery_snapshot.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace keelwright {
namespace {

// Every text is written as its length, a blank and its bytes, so that no character it holds
// can be taken for the format's own.
constexpr std::string_view kHeader = "Keelwright recovery 1\n";

std::string_view formName(FileContent form) {
    return form == FileContent::Weapon ? "weapon" : "class";
}

void putText(std::string& out, std::string_view key, std::string_view text) {
    out.append(key).append(" ").append(std::to_string(text.size())).append(" ");
    out.append(text).append("\n");
}

void putNumber(std::string& out, std::string_view key, std::uint64_t number) {
    out.append(key).append(" ").append(std::to_string(number)).append("\n");
}

void putValues(std::string& out, std::string_view key, const std::optional<FormValues>& values) {
    if (!values) {
        out.append(key).append(" none\n");
        return;
    }
    putNumber(out, key, values->size());
    for (const std::string& value : *values)
        putText(out, "-", value);
}

std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return out;
}

// Reads the format back; any surprise makes the whole snapshot unreadable.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool literal(std::string_view text) {
        if (!rest_.starts_with(text))
            return false;
        rest_.remove_prefix(text.size());
        return true;
    }
    std::optional<std::uint64_t> number(std::string_view key, char end = '\n') {
        if (!literal(key) || !literal(" "))
            return std::nullopt;
        std::uint64_t value = 0;
        const auto [next, error] =
            std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc() || next == rest_.data())
            return std::nullopt;
        rest_.remove_prefix(std::size_t(next - rest_.data()));
        if (!literal(std::string_view(&end, 1)))
            return std::nullopt;
        return value;
    }
    std::optional<std::string> text(std::string_view key) {
        const auto size = number(key, ' ');
        if (!size || *size >= rest_.size() || rest_[*size] != '\n')
            return std::nullopt;
        std::string value(rest_.substr(0, *size));
        rest_.remove_prefix(*size + 1);
        return value;
    }
    // Nothing at all when damaged; an empty optional inside when the snapshot says "none".
    std::optional<std::optional<FormValues>> values(std::string_view key, std::size_t count) {
        if (literal(std::string(key) + " none\n"))
            return std::optional<FormValues>();
        const auto size = number(key);
        if (!size || *size != count)
            return std::nullopt;
        FormValues values;
        for (std::size_t i = 0; i < count; ++i) {
            auto value = text("-");
            if (!value)
                return std::nullopt;
            values.push_back(std::move(*value));
        }
        return std::optional<FormValues>(std::move(values));
    }
    std::optional<std::string> hexText(std::string_view key) {
        if (!literal(key) || !literal(" "))
            return std::nullopt;
        std::string bytes;
        while (rest_.size() >= 2 && rest_[0] != '\n') {
            int high = digit(rest_[0]), low = digit(rest_[1]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes += char(high * 16 + low);
            rest_.remove_prefix(2);
        }
        if (!literal("\n"))
            return std::nullopt;
        return bytes;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    static int digit(char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    }
    std::string_view rest_;
};

} // namespace

std::string writeSnapshot(const Snapshot& snapshot) {
    std::string out(kHeader);
    out.append("form ").append(formName(snapshot.form)).append("\n");
    putNumber(out, "edited", std::uint64_t(snapshot.lastEdit));
    putText(out, "path", snapshot.path);
    out.append("digest ").append(hex(snapshot.digest)).append("\n");
    putNumber(out, "lines", snapshot.linesNotOnForm);
    putNumber(out, "windows-1252", snapshot.fromWindows1252 ? 1 : 0);
    putValues(out, "values", snapshot.values);
    putValues(out, "saved", snapshot.saved);
    putValues(out, "baseline", snapshot.baseline);
    if (snapshot.record) { // after all the rest: snapshots of a whole file end before it
        putText(out, "record", snapshot.record->number);
        putNumber(out, "record-lines", snapshot.record->lines.size());
        for (const std::size_t line : snapshot.record->lines)
            putNumber(out, "-", line);
    }
    out.append("end\n");
    return out;
}

std::optional<Snapshot> readSnapshot(std::string_view bytes) {
    if (bytes.size() > kMaxSnapshotBytes)
        return std::nullopt;
    Reader in(bytes);
    Snapshot s;
    if (!in.literal(kHeader))
        return std::nullopt;
    if (in.literal("form weapon\n"))
        s.form = FileContent::Weapon;
    else if (!in.literal("form class\n"))
        return std::nullopt;
    const std::size_t count = fieldCount(s.form);
    const auto edited = in.number("edited");
    auto path = in.text("path");
    auto digest = in.hexText("digest");
    const auto lines = in.number("lines");
    const auto codePage = in.number("windows-1252");
    if (!edited || !path || !digest || !lines || !codePage || *codePage > 1)
        return std::nullopt;
    auto values = in.values("values", count);
    if (!values || !*values)
        return std::nullopt;
    auto saved = in.values("saved", count);
    if (!saved)
        return std::nullopt;
    auto baseline = in.values("baseline", count);
    if (!baseline)
        return std::nullopt;
    if (auto number = in.text("record")) {
        const auto size = in.number("record-lines");
        if (!size || *size > bytes.size())
            return std::nullopt;
        s.record = RecordPlace{std::move(*number), {}};
        for (std::uint64_t i = 0; i < *size; ++i) {
            const auto line = in.number("-");
            if (!line)
                return std::nullopt;
            s.record->lines.push_back(std::size_t(*line));
        }
    }
    if (!in.literal("end\n") || !in.atEnd())
        return std::nullopt;
    s.lastEdit = std::int64_t(*edited);
    s.path = std::move(*path);
    s.digest = std::move(*digest);
    s.linesNotOnForm = std::size_t(*lines);
    s.fromWindows1252 = *codePage == 1;
    s.values = std::move(**values);
    s.saved = std::move(*saved);
    s.baseline = std::move(*baseline);
    return s;
}

} // namespace keelwright
