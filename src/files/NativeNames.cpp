#include "files/NativeNames.h"

namespace amsim {

namespace {

constexpr char16_t kEscapedByte = 0xDC00;

// The length of the well-formed UTF-8 sequence at the start, or 0: no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned lead = byte(at);
    if (lead < 0x80U) {
        return 1;
    }
    const qsizetype length = lead >= 0xC2U && lead <= 0xDFU   ? 2
                             : lead >= 0xE0U && lead <= 0xEFU ? 3
                             : lead >= 0xF0U && lead <= 0xF4U ? 4
                                                              : 0;
    if (length == 0 || at + length > bytes.size()) {
        return 0;
    }
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80U) {
            return 0;
        }
    }
    const unsigned second = byte(at + 1);
    const bool overlong = (lead == 0xE0U && second < 0xA0U) || (lead == 0xF0U && second < 0x90U);
    const bool surrogate = lead == 0xEDU && second >= 0xA0U;
    const bool beyond = lead == 0xF4U && second >= 0x90U;
    return overlong || surrogate || beyond ? 0 : length;
}

} // namespace

QString argumentText(const QByteArray& bytes) {
    QString text;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length == 0) {
            text += QChar(
                static_cast<char16_t>(kEscapedByte + static_cast<unsigned char>(bytes.at(at))));
            ++at;
        } else {
            text += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        }
    }
    return text;
}

QByteArray fileNameBytes(const QString& name) {
    QByteArray bytes;
    for (qsizetype at = 0; at < name.size(); ++at) {
        const char16_t unit = name.at(at).unicode();
        if (unit >= kEscapedByte + 0x80 && unit <= kEscapedByte + 0xFF) {
            bytes += static_cast<char>(unit - kEscapedByte);
        } else if (name.at(at).isHighSurrogate() && at + 1 < name.size() &&
                   name.at(at + 1).isLowSurrogate()) {
            bytes += name.mid(at, 2).toUtf8();
            ++at;
        } else {
            bytes += QString(name.at(at)).toUtf8();
        }
    }
    return bytes;
}

} // namespace amsim
