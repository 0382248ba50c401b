#pragma once

namespace brelvo {

// Told that the progress shown to the user changed. Called often, up to every few lines of a
// file: implementations draw at their own pace and must return quickly otherwise.
class ProgressListener {
public:
    virtual ~ProgressListener() = default;
    virtual void ProgressChanged() = 0;
    // A point the user must see as it is (the end of a file, a failure): draw now.
    virtual void ProgressSettled() = 0;
};

}  // namespace brelvo
