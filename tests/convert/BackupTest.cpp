#include <gtest/gtest.h>

#include "Backup.h"

namespace brelvo {
namespace {

TEST(BackupTest, NameReplacesTheLastFourCharacters) {
    struct Case {
        const char* path;
        const char* backup;
    } const cases[] = {
        {"scene.atr", "scene.BAK"},
        {"/data/models/scene.ATR", "/data/models/scene.BAK"},
        {"dir/scene.db", "dir/scen.BAK"},
        {"abcd", ".BAK"},
        {"ab", ".BAK"},
        {"", ".BAK"},
        {"temp/_temp.atr", "temp/_temp.BAK"},
        // Characters, not bytes: a Japanese name keeps whole characters.
        {"材質ファイル", "材質.BAK"},
        {"モデル.atr", "モデル.BAK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(BackupName(c.path), c.backup);
    }
}

}  // namespace
}  // namespace brelvo
