#pragma once

#include <map>
#include <memory>
#include <string>

namespace editor {

class WebFolder;

// A folder's sub-folders; item raises error 9 when there is none of that name.
class WebFolders {
public:
    explicit WebFolders(const WebFolder& folder);
    ~WebFolders();
    WebFolders(const WebFolders&) = delete;
    WebFolders& operator=(const WebFolders&) = delete;

    int count() const;
    // By name, without regard to case (a name that matches exactly wins).
    WebFolder& item(const std::string& name);

private:
    const WebFolder& m_folder;
    std::map<std::string, std::unique_ptr<WebFolder>> m_folders; // by real path
};

} // namespace editor
