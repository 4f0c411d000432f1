#include "pdf/pdf_document.hpp"

#include <cstdio>

#include "base/error.hpp"

namespace vezu {

PdfDocument::PdfDocument() : doc_(HPDF_New(&PdfDocument::onError, this)) {
    if (doc_ == nullptr) {
        throw Error("Out of memory");
    }
}

PdfDocument::~PdfDocument() {
    HPDF_Free(doc_);
}

void PdfDocument::onError(HPDF_STATUS error, HPDF_STATUS detail, void* self) {
    auto* document = static_cast<PdfDocument*>(self);
    if (document->error_ == HPDF_OK) {
        document->error_ = error;
        document->detail_ = detail;
    }
}

void PdfDocument::check() {
    if (error_ != HPDF_OK) {
        char text[64];
        std::snprintf(text, sizeof text, "PDF library error 0x%04lX (%lu)",
                      static_cast<unsigned long>(error_), static_cast<unsigned long>(detail_));
        throw Error(text);
    }
}

void PdfDocument::check(HPDF_STATUS status) {
    if (status != HPDF_OK && error_ == HPDF_OK) {
        error_ = status;
    }
    check();
}

void PdfDocument::saveTo(AtomicFileWriter& file) {
    check(HPDF_SaveToStream(doc_));
    check(HPDF_ResetStream(doc_));
    for (;;) {
        HPDF_BYTE buffer[1 << 16];
        HPDF_UINT32 size = sizeof buffer;
        const HPDF_STATUS status = HPDF_ReadFromStream(doc_, buffer, &size);
        file.write(std::string_view(reinterpret_cast<const char*>(buffer), size));
        if (status == HPDF_STREAM_EOF) {
            break;
        }
        check(status);
    }
}

} // namespace vezu
