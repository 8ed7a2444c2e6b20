#pragma once

// Command ids of the menus, toolbar, accelerators and context popups.
namespace Cmd {
enum : int {
    // File
    NewDatabase = 57600,
    OpenDatabase = 57601,
    SaveAsHtml = 32771,
    SaveAsXml = 32772,
    ImportBooks = 32840,
    ExportCatalogue = 32841,
    PageSetup = 32783,
    PrintPreview = 32774,
    Print = 57607,
    RecentFileFirst = 57616,
    RecentFileLast = 57631,
    Exit = 57665,
    RestoreBackup = 32830,
    // Edit
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    SelectAll = 57642,
    Undo = 57643,
    AddSubCategory = 32775,
    RemoveCategory = 32776,
    EditCategory = 32778,
    AddBook = 32779,
    RemoveBook = 32780,
    EditBook = 32782,
    SendToFavorites = 32819,
    SendToReadingList = 32820,
    SendToSearchResults = 32821,
    BasicSearch = 32822,
    Lend = 32850,
    Return = 32851,
    BorrowedBook = 32852,
    StartReading = 32854,
    FinishReading = 32855,
    SeriesColumns = 32856,
    SortBySeries = 32857,
    // View
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    StyleFirst = 30000,
    StyleLast = 30099,
    TemplateFirst = 30100,
    TemplateLast = 30199,
    Refresh = 32773,
    // Tools
    RunSql = 32787,
    Options = 32786,
    CheckCatalogue = 32831,
    Borrowers = 32853,
    // Help
    HelpTopics = 57667,
    HelpInBrowser = 32833,
    About = 57664,
    Website = 32784,
    Forum = 32785,
    ContextHelp = 57670,
    HelpMode = 57669,
    DefaultHelp = 57671,
    // Window
    NextPane = 57680,
    PrevPane = 57681,
};
} // namespace Cmd
