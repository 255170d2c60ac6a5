#pragma once

#include <QTranslator>

// Chinese for the texts QCommandLineParser writes itself: the usage line, the
// headings of the help and its error messages. Qt ships no Chinese for them,
// and the program needs no other translation.
class ParserTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
        int n) const override;
    bool isEmpty() const override { return false; }
};
