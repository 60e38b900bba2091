#include "data/DataManager.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/AdvDetailsForm.h"
#include "data/Cipher.h"
#include "data/Convert.h"
#include "data/Picture.h"
#include "data/Utils.h"
#include "platform/FormModel.h"
#include "platform/Host.h"
#include "session/Process.h"

namespace fs = std::filesystem;

namespace {

// Settings that are on unless they are exactly "0".
bool SwitchOn(const TStringHash& settings, const std::string& name)
{
    return !settings.Exists(name) || settings.GetItem(name) != "0";
}

int32_t SettingOrZero(const TStringHash& settings, const std::string& name)
{
    return settings.Exists(name) ? StrToIntDef(settings.GetItem(name), 0) : 0;
}

int32_t RequiredSetting(const TStringHash& settings, const std::string& name)
{
    const std::string value = settings.Exists(name) ? settings.GetItem(name) : std::string();
    try {
        return StrToInt(value);
    } catch (const EConvertError& error) {
        throw EConvertError("The adventure setting " + name + " must be a whole number: " + error.what());
    }
}

void WriteLog(const std::string& fileName, const std::vector<std::string>& lines)
{
    if (lines.empty())
        return;
    std::ofstream file(fileName, std::ios::trunc);
    for (const std::string& line : lines)
        file << line << '\n';
}

// A picture name from the adventure, kept inside the Images folder.
bool SafePictureName(const std::string& name)
{
    if (name.empty() || name[0] == '/' || name[0] == '\\')
        return false;
    for (const auto& part : fs::path(name))
        if (part == "..")
            return false;
    return true;
}

} // namespace

TDataManager::TDataManager(const std::string& folder) : GameFolder(folder), Folder(folder)
{
    bool opened;
    try {
        opened = Open();
    } catch (...) {
        Process().GameDir.clear();
        throw;
    }
    if (!opened) {
        GameFolder.clear();
        Process().GameDir.clear();
    }
}

bool TDataManager::Open()
{
    // Every refusal says why here, once; the caller adds nothing.
    auto refuse = [](const std::string& message) {
        Host().MessageDlg(message, TMsgDlgType::Error, mbOK);
        return false;
    };
    std::error_code error;
    if (GameFolder.empty() || !fs::is_regular_file(fs::path(GameFolder) / "data.db", error))
        return refuse("No adventure was found: there is no data.db in the folder \"" + GameFolder + "\".");
    AdventureDb.Open((fs::path(GameFolder) / "data.db").string());
    AdventureDb.LogErrors = true;
    if (AdventureDb.Execute("select * from general", true) != 0)
        return refuse("The adventure in \"" + GameFolder + "\" cannot be opened: " + AdventureDb.LastMessage);

    TStringHash settings;
    for (const auto& row : AdventureDb.Rows) {
        const std::string& name = row->GetItem("name");
        const std::string& value = row->GetItem("value");
        // An empty value counts as absent; the first row of a name counts.
        if (!name.empty() && !value.empty() && !settings.Exists(name))
            settings.SetItem(name, value);
    }
    ReadSettings(settings);

    AdventureDb.Execute("select name from item_types where id > 19 ", true);
    for (const auto& row : AdventureDb.Rows)
        ItemTypeNames.push_back(row->GetItem("name"));
    AdventureDb.Execute("select libname from libraries", true);
    for (const auto& row : AdventureDb.Rows)
        LibraryNames.push_back(row->GetItem("libname"));

    if (EditorVersion == "1.3" || EditorVersion == "1.2" || EditorVersion == "1.0") {
        Host().MessageDlg("This game was created with a very old version of Vellumora and connot be opened.",
                          TMsgDlgType::Information, mbOK);
        return false;
    }
    return true;
}

void TDataManager::ReadSettings(const TStringHash& settings)
{
    auto text = [&](const std::string& name) { return settings.Exists(name) ? settings.GetItem(name) : std::string(); };
    AdventureTitle = LeftStr(text("AdvTitle"), 80);
    Process().Keys = BuildKeyTables(SettingOrZero(settings, "TXT_KEY"), SettingOrZero(settings, "SCR_KEY"),
                                    SettingOrZero(settings, "IMG_KEY"));
    EncText = SwitchOn(settings, "EncText");
    EncImg = SwitchOn(settings, "EncImg");
    EncScr = SwitchOn(settings, "EncScr");
    StartID = SettingOrZero(settings, "StartID");
    Stamp = SettingOrZero(settings, "Stamp");
    ChStart = SettingOrZero(settings, "ChStart");
    StartLvl = SettingOrZero(settings, "StartLvl");
    SysMsg = SettingOrZero(settings, "SysMsg");
    AdventureVersion = LeftStr(text("AdvVer"), 10);
    EditorVersion = text("EdVer");

    // "11|" holds "1|" too, so it counts class 1 as well: the rule is a plain search.
    const std::string classes = text("DefaultClasses");
    DefaultClasses.clear();
    DefaultClassCount = 0;
    for (int number = 1; number <= 20; ++number)
        if (classes.find(std::to_string(number) + "|") != std::string::npos) {
            DefaultClasses.insert(number);
            ++DefaultClassCount;
        }

    AllowImport = SwitchOn(settings, "AllowImport");
    FromCurrent = SwitchOn(settings, "FromCurrent");
    MinLvl = RequiredSetting(settings, "MinLvl");
    MaxLvl = RequiredSetting(settings, "MaxLvl");
    MaxParty = RequiredSetting(settings, "MaxParty");
}

TDataManager::~TDataManager()
{
    Libraries.clear();
    LibraryNames.clear();
    ItemTypeNames.clear();
    const fs::path folder(Folder);
    AdventureDb.Close();
    if (!Folder.empty())
        WriteLog((folder / "SqlLog.txt").string(), AdventureDb.ErrorLog);
    if (auto& session = Process().SessionDb) {
        session->Close();
        if (!Folder.empty())
            WriteLog((folder / "SqlLog2.txt").string(), session->ErrorLog);
        session.reset();
    }
    if (!Folder.empty()) {
        std::error_code error;
        fs::remove(folder / "temp.db", error);
    }
}

std::string TDataManager::GeneralValue(const std::string& name)
{
    AdventureDb.Execute("select value from general where name = " + SqlQuote(name), true);
    return AdventureDb.Rows.empty() ? std::string() : AdventureDb.Rows[0]->GetItem("value");
}

void TDataManager::ReadTextRow(const std::string& query, std::vector<std::string>& lines)
{
    lines.clear();
    AdventureDb.Execute(query, true);
    if (AdventureDb.Rows.empty())
        return;
    lines = SplitLines(AdventureDb.Rows[0]->GetItem("text"));
    if (EncText)
        lines = DecipherLines(lines, Process().Keys.TextKey);
}

void TDataManager::GetTextById(int64_t id, std::vector<std::string>& lines)
{
    if (id != 0)
        ReadTextRow("select text from texts where id = " + std::to_string(id), lines);
}

void TDataManager::GetTextByFile(const std::string& fileName, std::vector<std::string>& lines)
{
    if (!fileName.empty())
        ReadTextRow("select text from texts where file = " + SqlQuote(fileName), lines);
}

int TDataManager::ReadScriptRow(const std::string& query, std::vector<std::string>& lines)
{
    lines.clear();
    AdventureDb.Execute(query, true);
    if (AdventureDb.Rows.empty())
        return 0;
    const TStringHash& row = *AdventureDb.Rows[0];
    lines = SplitLines(row.GetItem("text"));
    if (EncScr)
        lines = DecipherLines(lines, Process().Keys.ScriptKey);
    const std::string& file = row.GetItem("file");
    return file.size() >= 3 && file.compare(file.size() - 3, 3, ".js") == 0 ? 1 : 2;
}

int TDataManager::GetScriptById(int64_t id, std::vector<std::string>& lines)
{
    return id == 0 ? 0 : ReadScriptRow("select file,text from scripts where id = " + std::to_string(id), lines);
}

int TDataManager::GetScriptByFile(const std::string& fileName, std::vector<std::string>& lines)
{
    return fileName.empty() ? 0 : ReadScriptRow("select file,text from scripts where file = " + SqlQuote(fileName), lines);
}

void TDataManager::LoadLibraries()
{
    for (const std::string& name : LibraryNames) {
        TLibrary library{name, {}};
        GetScriptByFile(name, library.Lines);
        Libraries.push_back(std::move(library));
    }
}

void TDataManager::LoadMessages()
{
    TMessageTable& table = Process().MessageTable;
    for (size_t index = 51; index < table.size(); ++index)
        table[index] = TMessageEntry{};
    AdventureDb.Execute("select id, script_id, name from messages", true);
    for (const auto& row : AdventureDb.Rows) {
        const int index = StrToIntDef(row->GetItem("id"), 0);
        // The table has 256 places; rows naming others are ignored.
        if (index < 0 || index >= static_cast<int>(table.size()))
            continue;
        table[index] = TMessageEntry{StrToIntDef(row->GetItem("script_id"), 0), row->GetItem("name")};
    }
}

std::string TDataManager::GetItemTypeName(int index) const
{
    return index >= 0 && index < static_cast<int>(ItemTypeNames.size()) ? ItemTypeNames[index] : std::string();
}

bool TDataManager::ReadImage(const std::string& fileName, std::vector<uint8_t>& bytes)
{
    if (GameFolder.empty() || !SafePictureName(fileName))
        return false;
    std::string relative = fileName;
    for (char& c : relative)
        if (c == '\\')
            c = '/';
    std::ifstream file(fs::path(GameFolder) / "Images" / relative, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (EncImg)
        bytes = DecipherStream(bytes, Process().Keys.ImageKey);
    return true;
}

std::shared_ptr<const TPicture> TDataManager::LoadBitmap(const std::string& fileName)
{
    std::vector<uint8_t> bytes;
    if (!ReadImage(fileName, bytes))
        return nullptr;
    return DecodePicture(bytes, TPictureFormat::Unknown);
}

bool TDataManager::LoadPicture(const std::string& fileName, TControlState& picture)
{
    std::vector<uint8_t> bytes;
    if (!ReadImage(fileName, bytes))
        return false;
    // Enciphered files cannot show their format, so their name says it.
    const TPictureFormat format = EncImg ? FormatOfFileName(fileName) : TPictureFormat::Unknown;
    if (EncImg && format == TPictureFormat::Unknown)
        return true;
    auto decoded = DecodePicture(bytes, format);
    if (!decoded)
        return false;
    picture.Picture = std::move(decoded);
    return true;
}

void TDataManager::ShowAdventureDetails()
{
    TFrmAdvDetails form;
    form.Control("LblTitle").Caption = AdventureTitle;
    form.Control("LblCreatedBy").Caption = GeneralValue("Author");
    form.Control("LblDate").Caption = GeneralValue("Date");
    form.Control("LblVer").Caption = AdventureVersion;
    form.Control("Memo1").Text = GeneralValue("Comments");
    Host().ShowModal(form);
}
