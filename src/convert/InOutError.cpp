#include "InOutError.h"

namespace brelvo {

InOutError::InOutError(int code) : std::runtime_error(MessageFor(code)), m_code(code) {}

std::string InOutError::MessageFor(int code) {
    switch (code) {
        case kFileNotFound:
            return "ファイルが見つかりません";
        case kPathNotFound:
            return "不正なファイル名です";
        case kTooManyOpenFiles:
            return "オープンしたファイルが多すぎます";
        case kAccessDenied:
            return "ファイルへのアクセスが拒否されました";
        default:
            return "I/O エラー (" + std::to_string(code) + ")";
    }
}

}  // namespace brelvo
