#pragma once

#include <string>
#include <vector>

namespace zirirur {

// Whether an index made by LoadFavourites starts with the header line (the Add dialog's) or is
// made empty (the Insert dialog's).
enum class IndexHeader { Written, None };

// The favourites store in the installation folder: the index "formfav.dat", one form file
// "FormFavs\<Name>.ffv" per favourite and one image folder "FormImages\<Name>". Paths are the
// installation folder and fixed texts joined as they are. Every call raises what the file layer
// raises.
class FavouritesStore {
public:
    static constexpr const char* HeaderLine = "Zirirur Forms Data File";

    static std::string IndexPath();
    static std::string FormFilePath(const std::string& Name);
    static std::string ImageFolder(const std::string& Name);
    static std::string ImageFile(const std::string& Name, const std::string& fileName);

    // Makes the missing index: the header line alone, or an empty file.
    static void CreateIndex(IndexHeader header);
    // Writes one line at the end of the index (made when missing): the text, then CR LF.
    static void AppendLine(const std::string& text);
    // The index's lines as the line input reads them: a line ends at a CR, and CR LF is one
    // line end, so each line written is followed by an empty one.
    static std::vector<std::string> ReadIndex();
    // Replaces the index with these lines, each written as its text, a CR and CR LF, and
    // without the header. The new index is written beside the old one and put in its place in
    // one step: a failure or a crash leaves the old index whole. An installation folder that
    // takes no new file (a read-only one) has its index written over in place instead, so that
    // a deletion still takes the record out.
    static void RewriteIndex(const std::vector<std::string>& lines);

    // Whether a favourite of this name is listed: a name that a save can give (a hand-made line
    // may name anything, a path out of the store included) whose form file is there.
    static bool IsListed(const std::string& Name);

    // The form file: the form's HTML and CR LF, in the ANSI code page. A character that the
    // code page cannot hold is written as a numeric character reference, which a paste reads
    // back as the same character.
    static void WriteFormFile(const std::string& Name, const std::string& HTML);
    // The whole form file, its closing CR LF included; empty when it is missing.
    static std::string ReadFormFile(const std::string& Name);
};

} // namespace zirirur
