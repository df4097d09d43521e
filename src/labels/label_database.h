#pragma once
// Every label template of the database's folders and the user's own folder.
#include "format/label_geometry.h"
#include "platform/program_folders.h"

#include <filesystem>
#include <future>
#include <optional>
#include <ostream>
#include <vector>

struct LabelFolders {
    // Read in this order, each with its "*-templates.xml" files; the first that has a
    // "paper-sizes.xml" gives the papers.
    std::vector<std::filesystem::path> database;
    // The user's "*.template" and "*-templates.xml" files, read last; empty for none.
    std::filesystem::path user;
};

// "libglabels-3.0/templates" in each folder of $XDG_DATA_DIRS (by default /usr/local/share and
// /usr/share: a list that leaves /usr/share out means it, as for every other program's data);
// the user's "libglabels/templates" in $XDG_CONFIG_HOME (by default ~/.config).
LabelFolders LocateLabelFolders(const EnvironmentLookup& environment);

struct LabelDatabase {
    std::vector<LabelGeometry> sheets;
    int unsupported = 0;  // templates left out (TemplateFileResult::unsupported), all files together
};

// Reads the folders' files, each folder's in the order of their names. Of two templates of one
// brand and part (in any case) the first is kept, unless the later one is the user's and the
// first the database's: the user's then takes its place. A file that cannot be read is left out
// with one line on `errors` naming it and the reason.
LabelDatabase LoadLabelDatabase(const LabelFolders& folders, std::ostream& errors);
// The same for this process's environment.
LabelDatabase LoadLabelDatabase(std::ostream& errors);

// The database of this process's environment read on a thread of its own, so that the first window
// need not wait for it; whoever owns it takes the sheets when they are needed.
class PendingLabelDatabase {
public:
    // Starts a reading; one started before and not taken is dropped (it belongs to a catalog
    // this one replaces). Errors go to `errors`, which must outlive the reading.
    void Start(std::ostream& errors);
    // The sheets of the reading started last, waiting for them; nothing when none was started
    // since the last take.
    std::optional<LabelDatabase> Take();

private:
    std::future<LabelDatabase> m_reading;
};
