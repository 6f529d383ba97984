// The files a verb reads and writes, so that it can refuse, before anything is written, to
// write over one of its own inputs (`encode keep.dat keep.dat` would replace the codeplug by
// its image). A data file stands for its channel file too, and in factory mode for its
// test-data file. Writing over any other existing file is allowed.
#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace torvik::cli {

enum class FileKind { Plain, DataFile };

class VerbFiles {
  public:
    explicit VerbFiles(bool factoryMode = false) : factoryMode_(factoryMode) {}

    void addInput(const QString& path, FileKind kind = FileKind::Plain);
    void addOutput(const QString& path, FileKind kind = FileKind::Plain);

    // When an output is one of the inputs: prints one line naming both and returns the usage
    // status. Two paths are the same file when they resolve to the same path, or when both
    // exist and are the same file on the same device (links, bind mounts).
    std::optional<int> refuseOutputOverInput() const;

  private:
    // One file touched: the path as given, the file itself, and what it is of the given one.
    struct Part {
        QString given;
        QString file;
        QString role;  // empty for the given file itself
    };
    std::vector<Part> partsOf(const QString& path, FileKind kind) const;
    static QString describe(const Part& part);

    bool factoryMode_;
    std::vector<Part> inputs_;
    std::vector<Part> outputs_;
};

}  // namespace torvik::cli
