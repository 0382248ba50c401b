#include "FormDesign.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace brelvo {

namespace {

void InstallFontSubstitutes() {
    const QStringList substitutes = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                     QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), substitutes);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), substitutes);
}

QFont DesignFont(int pixelSize) {
    static const bool installed = (InstallFontSubstitutes(), true);
    (void)installed;
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

FormDesign::FormDesign(QWidget& form, int designTextHeight, QSize designClient) {
    const QFont font = DesignFont(designTextHeight);
    form.setFont(font);
    form.setAutoFillBackground(true);
    form.setBackgroundRole(QPalette::Button);
    m_scale = static_cast<double>(QFontMetrics(font).height()) / designTextHeight;
    form.setFixedSize(Scaled(designClient.width()), Scaled(designClient.height()));
}

}  // namespace brelvo
