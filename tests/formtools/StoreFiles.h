#pragma once

#include <string>
#include <vector>

// The favourites store of an installation folder, as the tests look at it on disk: the index,
// the form files and the image folders, byte for byte.
class StoreFiles {
public:
    // Makes the store's folders "FormFavs" and "FormImages", which the installation ships.
    explicit StoreFiles(std::string installFolder);

    std::string path(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    // A file's bytes; "" when it is missing.
    std::string read(const std::string& relative) const;
    void write(const std::string& relative, const std::string& bytes) const;

    std::string index() const { return read("formfav.dat"); }
    void writeIndex(const std::string& bytes) const { write("formfav.dat", bytes); }
    std::string formFile(const std::string& Name) const {
        return read("FormFavs/" + Name + ".ffv");
    }
    bool hasFormFile(const std::string& Name) const { return exists("FormFavs/" + Name + ".ffv"); }
    // The names of the files in a favourite's image folder, sorted.
    std::vector<std::string> images(const std::string& Name) const;
    bool hasImageFolder(const std::string& Name) const { return exists("FormImages/" + Name); }

private:
    std::string m_folder;
};

// An index line as the store writes it: the text, its own CR, and the CR LF of the write.
std::string indexLine(const std::string& text);
