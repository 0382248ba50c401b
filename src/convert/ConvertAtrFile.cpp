#include "ConvertAtrFile.h"

#include "AtrRewriter.h"
#include "Backup.h"
#include "FileSystem.h"
#include "LineReader.h"
#include "LineWriter.h"
#include "NativeFile.h"

namespace brelvo {

void ConvertAtrFile(const std::string& path, std::string_view edgeOptions, bool makeBackup,
                    Progress& progress) {
    const std::string backup = MoveToBackup(path);
    {
        NativeFile input = NativeFile::OpenForReading(backup);
        NativeFile output = NativeFile::CreateNew(path);
        LineReader reader(input);
        LineWriter writer(output);
        AtrRewriter(edgeOptions, progress).Rewrite(reader, writer, path);
        writer.Flush();
        output.Close();
        input.Close();
    }
    if (!makeBackup) {
        // A backup that cannot be deleted stays; the conversion itself succeeded.
        FileSystem::RemoveFile(backup);
    }
}

}  // namespace brelvo
