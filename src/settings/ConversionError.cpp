#include "ConversionError.h"

namespace brelvo {

ConversionError::ConversionError() : std::runtime_error("バリアントの型変換が正しくありません") {}

}  // namespace brelvo
