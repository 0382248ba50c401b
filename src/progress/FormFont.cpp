#include "FormFont.h"

#include <QStringList>

namespace brelvo {

namespace {

void InstallSubstitutes() {
    const QStringList substitutes = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                     QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), substitutes);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), substitutes);
}

}  // namespace

QFont FormFont(int pixelSize) {
    static const bool installed = (InstallSubstitutes(), true);
    (void)installed;
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace brelvo
