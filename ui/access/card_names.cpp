#include "ui/access/card_names.h"

namespace tumblehand::ui {

QString cardName(CardFace face, const std::string& text) {
    const QString over = QString::fromStdString(text);
    const auto suit = [&over](const char* name) {
        return over.isEmpty() ? QString::fromUtf8(name) : QString::fromUtf8(name) + QStringLiteral("の") + over;
    };
    const auto plain = [&over](const QString& name) { return over.isEmpty() ? name : name + u' ' + over; };
    switch (face) {
        case CardFace::Spade: return suit("スペード");
        case CardFace::Heart: return suit("ハート");
        case CardFace::Diamond: return suit("ダイヤ");
        case CardFace::Club: return suit("クラブ");
        case CardFace::Joker: return plain(QStringLiteral("JOKER"));
        case CardFace::Pig: return plain(QStringLiteral("ブタ"));
        case CardFace::Back: return plain(QStringLiteral("裏"));
        case CardFace::Empty: break;
    }
    // An empty cell is empty whatever its rank text says.
    return QStringLiteral("空き");
}

}  // namespace tumblehand::ui
