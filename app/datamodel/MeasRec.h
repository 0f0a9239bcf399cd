#pragma once
// One entry of the instrument's list of measurements as the Download view
// shows it: the active measurement or a stored measurement file, with the
// instrument's texts for it, the download file the program will write for it,
// and the Location and Note texts typed on the download page.
#include <cstdint>
#include <string>

class MeasRec {
public:
    // Entry kinds.
    static constexpr int kStoredFile = 0;
    static constexpr int kActive = 1;
    static constexpr int kOtherFile = 2;  // shown like a stored file

    void SetName(const std::string& name) { m_name = name; }
    const std::string& GetName() const { return m_name; }
    void SetTypeText(const std::string& text) { m_typeText = text; }
    const std::string& GetTypeText() const { return m_typeText; }
    std::string& GetTypeTextRef() { return m_typeText; }
    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& GetTitle() const { return m_title; }
    void SetTime1(const std::string& text) { m_time1 = text; }
    const std::string& GetTime1() const { return m_time1; }
    void SetTime2(const std::string& text) { m_time2 = text; }
    const std::string& GetTime2() const { return m_time2; }
    // "1997 Jan 01 00:00:00": year, month abbreviation, day, time.
    void SetStartTime(const std::string& text) { m_startTime = text; }
    const std::string& GetStartTime() const { return m_startTime; }
    void SetEndTime(const std::string& text) { m_endTime = text; }
    const std::string& GetEndTime() const { return m_endTime; }
    void SetFileName(const std::string& name) { m_fileName = name; }
    std::string& GetFileNameRef() { return m_fileName; }
    const std::string& GetFileName() const { return m_fileName; }
    void SetFolder(const std::string& folder) { m_folder = folder; }
    std::string& GetFolderRef() { return m_folder; }
    const std::string& GetFolder() const { return m_folder; }
    void SetLocation(const std::string& text) { m_location = text; }
    const std::string& GetLocation() const { return m_location; }
    void SetNote1(const std::string& text) { m_note1 = text; }
    const std::string& GetNote1() const { return m_note1; }
    void SetNote2(const std::string& text) { m_note2 = text; }
    const std::string& GetNote2() const { return m_note2; }
    void SetSize(uint32_t size) { m_size = size; }
    uint32_t GetSize() const { return m_size; }
    // 0-based index in the instrument's list, -1 for none.
    void SetListIndex(int index) { m_listIndex = index; }
    int GetListIndex() const { return m_listIndex; }
    // Setup type code of the measurement (5 SSA ... 13 VIB), 0 unknown.
    int GetMeasType() const { return m_measType; }
    void SetEntryKind(int kind) { m_entryKind = kind; }
    int GetEntryKind() const { return m_entryKind; }
    bool IsActive() const { return m_entryKind == kActive; }
    void SetDownloadComplete(bool complete) { m_downloadComplete = complete; }
    bool IsDownloadComplete() const { return m_downloadComplete; }

    // The text in the measurement list: "5. RUN1" for a stored file at index
    // 4, the bare name for the active measurement. Returns out.
    const std::string& GetListText(std::string& out) const;
    // The type code from the first letter of a type text, either case; any
    // other letter leaves it unchanged.
    void SetMeasTypeFromText(const std::string& text);
    // Default download file name: day, month abbreviation and hour of the
    // start time and the type letter, as "05Feb14l.slmdl"; the folder is the
    // current folder, or fallbackFolder when that cannot be read.
    void MakeDefaultFileName(const std::string& fallbackFolder = {});
    // The folder of a full path ('/' or '\\'); empty without a separator.
    void SetFolderFromPath(const std::string& path, const std::string& unused = {});

private:
    bool m_downloadComplete = false;
    std::string m_name;
    std::string m_typeText;
    std::string m_title;
    std::string m_time1;
    std::string m_time2;
    std::string m_startTime = "1997 Jan 01 00:00:00";
    std::string m_endTime = "1997 Jan 01 00:00:00";
    std::string m_fileName;
    std::string m_folder;
    std::string m_location;
    std::string m_note1;
    std::string m_note2;
    uint32_t m_size = 0;
    int m_listIndex = 0;
    int m_measType = 0;
    int m_entryKind = kStoredFile;
};
