#pragma once

#include <QString>

// The program's string table: fixed ids, English texts, translated through
// Qt's translation system (context "Strings", the id as disambiguation) so a
// language's .qm file can replace any of them. Unknown ids give empty text.
QString LoadStr(int id);

// The string with its first "%s" or "%d" replaced by arg.
QString LoadStr(int id, const QString &arg);

// String ids used by name in the code.
enum StringId {
    IDS_ITALIAN_NONE = 0,
    IDS_SIMPLIFIED_CHINESE = 129,
    IDS_TRADITIONAL_CHINESE = 130,
    IDS_ENGLISH = 131,
    IDS_CANNOT_OPEN_FOR_WRITING = 135,
    IDS_XML_DOM_FAILED = 136,
    IDS_LOAD_XML_FAILED = 137,
    IDS_LOAD_XSL_FAILED = 138,
    IDS_OPERATION_FAILED_PATH = 139,
    IDS_CANNOT_CREATE_DIRECTORY = 140,
    IDS_COVER_DOWNLOAD_FAILED = 142,
    IDS_BOOK_TITLE_EMPTY = 155,
    IDS_SELECT_ONE_ITEM = 156,
    IDS_NO_VALID_RESULTS = 161,
    IDS_DUPLICATES_NOT_SAVED = 162,
    IDS_CATEGORY_NAME_EMPTY = 165,
    IDS_CANNOT_CREATE_FILE = 166,
    IDS_ADD_NEW_CATEGORY = 174,
    IDS_EDIT_CATEGORY = 175,
    IDS_ADD_BOOK = 176,
    IDS_EDIT_BOOK = 177,
    IDS_RESULTS_STATUS = 173,
    IDS_OPTIONS = 180,
    IDS_CATEGORY_SUMMARY = 182,
    IDS_DOWNLOADING_COVER = 185,
    IDS_WELCOME_PAGE = 198,
    IDS_YES = 199,
    IDS_NO = 200,
    IDS_PAGE_TITLE = 201,
    IDS_CANNOT_COPY_COVER = 204,
    IDS_FILTER_DATABASES = 207,
    IDS_FILTER_HTML = 208,
    IDS_FILTER_XML = 209,
    IDS_HARDCOVER = 211,
    IDS_PAPERBACK = 212,
    IDS_UNKNOWN_BINDING = 213,
    IDS_FLOPPY_DISK = 214,
    IDS_LANG_ENGLISH = 215,
    IDS_BOOK_COLLECTION = 218,
    IDS_IN_COLLECTION = 219,
    IDS_WISH_LIST = 220,
    IDS_REFERENCE_ONLY = 221,
    IDS_FOR_SALE = 222,
    IDS_LANG_CHINESE = 223,
    IDS_FAVORITES = 224,
    IDS_SEARCH_RESULTS = 225,
    IDS_READING_LIST = 226,
    IDS_LOADING_BOOK_INFO = 227,
    IDS_ISBN_NOT_FOUND = 228,
    IDS_SOURCE_UNREACHABLE = 229,
    IDS_SOURCE_ERROR = 230,
    IDS_APP_SHORT_NAME = 57344,
    IDS_IDLE_MESSAGE = 57345,
};
