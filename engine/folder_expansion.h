#pragma once

#include <cstddef>

#include "engine/input_entry.h"
#include "engine/job_report.h"

// How deep a folder the user named is searched for files.
enum class FolderDepth {
    FilesOnly,  // the files lying directly in it
    WholeTree,  // and the files of every sub-folder below it
};

// Where the rows of a whole tree begin their names.
enum class TreeRowNames {
    FromFolder,  // below the folder: "sub\x.bin" for tree\sub\x.bin
    WithFolder,  // with the folder's own name: "tree\sub\x.bin"
};

// Appends the files of folder to inputs as files found in a folder, by
// their real names, each folder's files in the order the search returns
// them and before its sub-folders. A whole tree's rows name each file from
// the folder on ("sub\x.bin"), or with its own name, as a folder a
// wildcard matched is, so that two matched folders never give one name to
// two files. Its search enters no link or junction and
// reads past a folder it cannot read; each adds its message line to
// report. Returns how many files were added.
std::size_t AddFolderFiles(const CFileName& folder, CInputList& inputs, CJobReport& report,
                           FolderDepth depth = FolderDepth::FilesOnly,
                           TreeRowNames names = TreeRowNames::FromFolder);
