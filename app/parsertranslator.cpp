#include "parsertranslator.h"

#include <QHash>

using namespace Qt::StringLiterals;

QString ParserTranslator::translate(
    const char* context, const char* sourceText, const char*, int) const
{
    static const QHash<QByteArray, QString> chinese {
        { "Usage: %1", u"用法：%1"_s },
        { "[options]", u"[选项]"_s },
        { "Options:", u"选项："_s },
        { "Arguments:", u"参数："_s },
        { "Unknown option '%1'.", u"无法识别的选项“%1”。"_s },
        { "Unknown options: %1.", u"无法识别的选项：%1。"_s },
        { "Missing value after '%1'.", u"“%1”后面缺少值。"_s },
        { "Unexpected value after '%1'.", u"“%1”不带值。"_s },
    };
    if (qstrcmp(context, "QCommandLineParser") != 0)
        return {};
    return chinese.value(QByteArray(sourceText));
}
