// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef GAOKAO_ICU_GB18030
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/udata.h>

#include <memory>

namespace {
struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openIcu(const QByteArray& name)
{
    // The converter's data is linked into the program: never look for files,
    // which anyone could put in the working folder.
    static const bool packagesOnly = [] {
        UErrorCode status = U_ZERO_ERROR;
        udata_setFileAccess(UDATA_ONLY_PACKAGES, &status);
        return true;
    }();
    (void)packagesOnly;
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name.constData(), &status));
    if (U_FAILURE(status))
        return nullptr;
    return converter;
}

// As Qt's ICU converter does: bad bytes become U+FFFD and are counted.
void substituteAndCount(const void* context, UConverterToUnicodeArgs* args, const char* units,
    int32_t length, UConverterCallbackReason reason, UErrorCode* status)
{
    if (reason <= UCNV_IRREGULAR)
        *static_cast<bool*>(const_cast<void*>(context)) = true;
    UCNV_TO_U_CALLBACK_SUBSTITUTE(nullptr, args, units, length, reason, status);
}

QString decodeIcu(UConverter* converter, QByteArrayView bytes, bool& hasError)
{
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, substituteAndCount, &hasError, nullptr, nullptr, &status);
    // No byte gives more than one UTF-16 unit: four bytes give at most two.
    QString text(bytes.size() + 1, Qt::Uninitialized);
    auto* target = reinterpret_cast<UChar*>(text.data());
    const char* source = bytes.data();
    ucnv_toUnicode(converter, &target, target + text.size(), &source, source + bytes.size(),
        nullptr, false, &status);
    text.truncate(target - reinterpret_cast<UChar*>(text.data()));
    // A character cut off at the end waits for bytes that never come.
    if (U_FAILURE(status) || ucnv_toUCountPending(converter, &status) > 0)
        hasError = true;
    return text;
}

QByteArray encodeIcu(UConverter* converter, QStringView text)
{
    UErrorCode status = U_ZERO_ERROR;
    QByteArray bytes(UCNV_GET_MAX_BYTES_FOR_STRING(text.size(), ucnv_getMaxCharSize(converter)),
        Qt::Uninitialized);
    char* target = bytes.data();
    const auto* source = reinterpret_cast<const UChar*>(text.data());
    ucnv_fromUnicode(converter, &target, target + bytes.size(), &source, source + text.size(),
        nullptr, false, &status);
    bytes.truncate(target - bytes.data());
    return bytes;
}
} // namespace
#endif

TextCodec::TextCodec(QByteArray name)
    : m_name(std::move(name))
    , m_byQt(QStringEncoder(m_name.constData()).isValid()
          && QStringDecoder(m_name.constData()).isValid())
{
}

bool TextCodec::isValid() const
{
#ifdef GAOKAO_ICU_GB18030
    if (!m_byQt)
        return openIcu(m_name) != nullptr;
#endif
    return m_byQt;
}

QByteArray TextCodec::encode(QStringView text) const
{
    if (m_byQt) {
        QStringEncoder encoder(m_name.constData());
        return encoder.encode(text);
    }
#ifdef GAOKAO_ICU_GB18030
    if (const Converter converter = openIcu(m_name))
        return encodeIcu(converter.get(), text);
#endif
    return {};
}

QString TextCodec::decode(QByteArrayView bytes, bool* hasError) const
{
    bool error = false;
    QString text;
    if (m_byQt) {
        QStringDecoder decoder(m_name.constData(), QStringConverter::Flag::Stateless);
        text = decoder.decode(bytes);
        error = decoder.hasError();
    }
#ifdef GAOKAO_ICU_GB18030
    else if (const Converter converter = openIcu(m_name)) {
        text = decodeIcu(converter.get(), bytes, error);
    }
#endif
    else {
        error = !bytes.isEmpty();
    }
    if (hasError)
        *hasError = error;
    return text;
}
