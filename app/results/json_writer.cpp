#include "app/results/json_writer.h"

#include <cstdio>

namespace keldra::results {

namespace {

// The length of the well-formed UTF-8 sequence at `k`, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t k) {
    const auto byte = [&](std::size_t n) { return static_cast<unsigned char>(text[n]); };
    const unsigned char lead = byte(k);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    }
    if (length == 0 || k + length > text.size()) return 0;
    if (byte(k + 1) < low || byte(k + 1) > high) return 0;
    for (std::size_t n = k + 2; n < k + length; ++n)
        if (byte(n) < 0x80 || byte(n) > 0xBF) return 0;
    return length;
}

std::string Escaped(unsigned code) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", code);
    return text;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t k = 0; k < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\t') {
            json += "\\t";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            json += Escaped(c);
        } else if (c >= 0x80) {
            const std::size_t length = Utf8Length(text, k);
            if (length == 0) {
                json += Escaped(c);
                ++k;
            } else {
                json.append(text.substr(k, length));
                k += length;
            }
            continue;
        } else {
            json += static_cast<char>(c);
        }
        ++k;
    }
    return json + "\"";
}

void JsonWriter::NewItem() {
    if (items_.empty()) return;
    if (items_.back()++ > 0) out_ += ',';
    out_ += '\n';
    out_.append(2 * items_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    NewItem();
}

void JsonWriter::Key(std::string_view key) {
    NewItem();
    out_ += JsonString(key) + ": ";
    after_key_ = true;
}

void JsonWriter::Begin(char bracket) {
    BeforeValue();
    out_ += bracket;
    items_.push_back(0);
}

void JsonWriter::End(char bracket) {
    const int items = items_.back();
    items_.pop_back();
    if (items > 0) {
        out_ += '\n';
        out_.append(2 * items_.size(), ' ');
    }
    out_ += bracket;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    out_ += JsonString(text);
}

void JsonWriter::Number(std::string_view number) {
    BeforeValue();
    out_ += number;
}

void JsonWriter::Integer(long long value) { Number(std::to_string(value)); }

void JsonWriter::Bool(bool value) { Number(value ? "true" : "false"); }

void JsonWriter::Null() { Number("null"); }

}  // namespace keldra::results
