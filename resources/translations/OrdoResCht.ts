<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Ordo</source>
        <translation>關於 Ordo</translation>
    </message>
    <message>
        <source>Ordoteca Version 1.0 RC1</source>
        <translation>Ordoteca 版本 1.0 RC1</translation>
    </message>
    <message>
        <source>Quenlow Software</source>
        <translation>Quenlow Software</translation>
    </message>
</context>
<context>
    <name>BasicSearch</name>
    <message>
        <source>No search results found.</source>
        <translation>找不到搜尋結果。</translation>
    </message>
</context>
<context>
    <name>CAccessibleNamer</name>
    <message>
        <source>More commands</source>
        <translation>更多命令</translation>
    </message>
</context>
<context>
    <name>CAddBookCommand</name>
    <message>
        <source>Do you want to add this book by hand?</source>
        <translation>是否要手動新增這本書？</translation>
    </message>
    <message>
        <source>This book is already in the catalogue as &quot;%1&quot;. Add another copy?</source>
        <translation>此書已在書庫中，書名為「%1」。是否再新增一本？</translation>
    </message>
    <message>
        <source>The book&apos;s details could not be looked up; the sheet holds what the search listed. %1</source>
        <translation>無法查詢到這本書的詳細資料，「新增書籍」視窗中填入的是搜尋結果列出的內容。%1</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Add Book</source>
        <translation>新增書籍</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>在下方輸入 ISBN（每行一個）。</translation>
    </message>
    <message>
        <source>Tip: Use your barcode scanner here, e.g. CueCat</source>
        <translation>提示：可在此處使用條碼掃描器，例如 CueCat</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>載入(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>儲存(&amp;S)...</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera...</source>
        <translation>用攝影機掃描(&amp;C)...</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>掃描圖片(&amp;P)...</translation>
    </message>
    <message>
        <source>ISBNs</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>依 ISBN 線上查詢(&amp;I)</translation>
    </message>
    <message>
        <source>Query Online &amp;By Title, Author and Publisher</source>
        <translation>依書名、作者和出版社線上查詢(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>書名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>P&amp;ublisher:</source>
        <translation>出版社(&amp;U)：</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>手動新增書籍(&amp;M)</translation>
    </message>
</context>
<context>
    <name>CBarcodeScanDlg</name>
    <message>
        <source>Scan ISBN Barcodes</source>
        <translation>掃描 ISBN 條碼</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>攝影機(&amp;C)：</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera and it appears here, or scan photos of the barcodes instead.</source>
        <translation>找不到攝影機。連接攝影機後它會顯示在這裡；也可以改為掃描條碼的相片。</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>掃描圖片(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;ISBNs found:</source>
        <translation>找到的 ISBN(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Add Pic&amp;tures...</source>
        <translation>新增圖片(&amp;T)...</translation>
    </message>
    <message>
        <source>%1 is the ISSN of a periodical, not an ISBN.</source>
        <translation>%1 是期刊的 ISSN，不是 ISBN。</translation>
    </message>
    <message>
        <source>%1 is the number of printed music, not an ISBN.</source>
        <translation>%1 是樂譜的編號，不是 ISBN。</translation>
    </message>
    <message>
        <source>%1 was misread (wrong check digit); try again.</source>
        <translation>%1 讀取有誤（檢查碼錯誤），請再試一次。</translation>
    </message>
    <message>
        <source>The barcode &quot;%1&quot; holds no ISBN.</source>
        <translation>條碼「%1」中沒有 ISBN。</translation>
    </message>
    <message>
        <source>%1 is not a book&apos;s barcode.</source>
        <translation>%1 不是書籍的條碼。</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>Each barcode found in the pictures is listed below.</source>
        <translation>下面列出在圖片中找到的每個條碼。</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>圖片 (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Hold a book&apos;s barcode up to the camera.</source>
        <translation>請將書籍的條碼對準攝影機。</translation>
    </message>
    <message>
        <source>%1: Cannot read HEIC pictures here; save the photo as JPEG</source>
        <translation>%1：這裡無法讀取 HEIC 圖片，請將相片另存為 JPEG</translation>
    </message>
    <message>
        <source>%1: Cannot read this picture</source>
        <translation>%1：無法讀取這張圖片</translation>
    </message>
    <message>
        <source>%1: No ISBN barcode found</source>
        <translation>%1：找不到 ISBN 條碼</translation>
    </message>
    <message numerus="yes">
        <source>All pictures read: %n ISBN(s) in the list.</source>
        <translation>
            <numerusform>所有圖片已讀取：清單中有 %n 個 ISBN。</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>已新增 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n picture(s)...</source>
        <translation>
            <numerusform>正在讀取 %n 張圖片...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>It also finds the books lent to or borrowed from a person whose name holds the keyword.</source>
        <translation>也會找出借給或借自姓名中含有該關鍵字的人的書。</translation>
    </message>
    <message>
        <source>Basic Search</source>
        <translation>基本搜尋</translation>
    </message>
    <message>
        <source>Enter keyword:</source>
        <translation>輸入關鍵字：</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>先清空搜尋結果中的項目(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Ignore accents (e also finds é, è and ê)</source>
        <translation>忽略重音符號(&amp;I)（e 也能找到 é、è 和 ê）</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>基本搜尋可搜尋以下 7 個欄位：書名、作者、ISBN、內容簡介、備註、自訂文字 1 和自訂文字 2。</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <translation>請輸入搜尋關鍵字。</translation>
    </message>
    <message>
        <source>Only books</source>
        <translation>僅限書籍</translation>
    </message>
    <message>
        <source>In a se&amp;ries named:</source>
        <translation>所屬系列名稱(&amp;R)：</translation>
    </message>
    <message>
        <source>Read in &amp;year:</source>
        <translation>閱讀年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>A series or a year narrows the search; either may be given without a keyword. A book counts as read in a year when one of its readings started, went on or finished in it.</source>
        <translation>系列或年份會縮小搜尋範圍；兩者都可以在不填關鍵字時單獨使用。某本書的一次閱讀在某年開始、持續或結束，即算作該年讀過。</translation>
    </message>
    <message>
        <source>Please enter a year such as 2025.</source>
        <translation>請輸入年份，例如 2025。</translation>
    </message>
</context>
<context>
    <name>CBatchQueryDlg</name>
    <message>
        <source>Batch Mode</source>
        <translation>批次模式</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Add books already in the catalogue</source>
        <translation>也新增書庫中已有的書籍</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>錯誤：</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>已在書庫中</translation>
    </message>
    <message>
        <source>the book was not saved</source>
        <translation>書籍未儲存</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>正在完成，請稍候...</translation>
    </message>
    <message>
        <source>Copies the ISBNs that were not found, failed or were not looked up, one per line, for another try.</source>
        <translation>複製找不到、失敗或未查詢的 ISBN，每行一個，以便再試一次。</translation>
    </message>
    <message>
        <source>Copy &amp;Failed ISBNs</source>
        <translation>複製失敗的 ISBN(&amp;F)</translation>
    </message>
    <message>
        <source>Saves the ISBNs that were not found, failed or were not looked up to a text file, one per line, for another try.</source>
        <translation>將找不到、失敗或未查詢的 ISBN 儲存到文字檔案，每行一個，以便再試一次。</translation>
    </message>
    <message>
        <source>Sa&amp;ve Failed ISBNs...</source>
        <translation>儲存失敗的 ISBN(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>已新增 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <translation>
            <numerusform>已更新 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the catalogue</source>
        <translation>
            <numerusform>%n 本已在書庫中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>找不到 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>未查詢 %n 本</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the batch summary</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>ISBNs and what was found</source>
        <translation>ISBN 及查詢結果</translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation>書名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>副書名(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>網址(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation>版次(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation>ISBN(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>語言(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>出版日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <extracomment>Hardcover, paperback...</extracomment>
        <translation>裝訂(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Dimension:</source>
        <translation>尺寸(&amp;D)：</translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of pages. Please type digits only, for example 340.</source>
        <translation>「%1」不是頁數。請只輸入數字，例如 340。</translation>
    </message>
    <message>
        <source>Publis&amp;her:</source>
        <translation>出版社(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>頁數(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>一般(&amp;G)</translation>
    </message>
    <message>
        <source>Part o&amp;f Series:</source>
        <translation>所屬系列(&amp;F)：</translation>
    </message>
    <message>
        <source>Nu&amp;mber in Series:</source>
        <extracomment>The book&apos;s number within its series: 3, 3.5, III, Book 2...</extracomment>
        <translation>系列編號(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>瀏覽...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>Downloaded picture, saved with the book</source>
        <translation>已下載的圖片，將隨書籍儲存</translation>
    </message>
    <message>
        <source>Downloaded from %1</source>
        <translation>下載自 %1</translation>
    </message>
    <message>
        <source>Co&amp;vers</source>
        <translation>封面與封底(&amp;V)</translation>
    </message>
    <message>
        <source>Browse for the front cover</source>
        <translation>瀏覽封面圖片</translation>
    </message>
    <message>
        <source>Clear the front cover</source>
        <translation>清除封面</translation>
    </message>
    <message>
        <source>Browse for the back cover</source>
        <translation>瀏覽封底圖片</translation>
    </message>
    <message>
        <source>Clear the back cover</source>
        <translation>清除封底</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>無圖片</translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>Des&amp;cription</source>
        <translation>內容簡介(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>新增與本書相關的網址、本機檔案或資料夾。</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>例如作者網站、電子書檔案。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>新增(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編輯(&amp;E)...</translation>
    </message>
    <message>
        <source>Related Lin&amp;ks</source>
        <translation>相關連結(&amp;K)</translation>
    </message>
    <message>
        <source>Related links</source>
        <translation>相關連結</translation>
    </message>
</context>
<context>
    <name>CBookLoansPage</name>
    <message>
        <source>History:</source>
        <translation>歷史記錄：</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借閱人</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>借出日期</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>應還日期</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>歸還日期</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Lend and Return in the Edit menu record loans.</source>
        <translation>借閱記錄由「編輯」選單中的「借出」和「歸還」產生。</translation>
    </message>
    <message>
        <source>Loan Histor&amp;y</source>
        <translation>借閱記錄(&amp;Y)</translation>
    </message>
    <message>
        <source>Lent to %1 since %2</source>
        <translation>借給 %1，借出日期 %2</translation>
    </message>
    <message>
        <source>Borrowed from %1 since %2</source>
        <translation>借自 %1，借入日期 %2</translation>
    </message>
    <message>
        <source>, due %1</source>
        <translation>，應還日期 %1</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation>（已逾期）</translation>
    </message>
    <message>
        <source>Not on loan.</source>
        <translation>未借出。</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>備註(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>購買資訊</translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation>購買日期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Purchase Price:</source>
        <translation>購買價格(&amp;P)：</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>定價(&amp;I)：</translation>
    </message>
    <message>
        <source>Am&amp;azon Price:</source>
        <translation>Amazon 價格(&amp;A)：</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>其他資訊</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>存放位置(&amp;L)：</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>狀態(&amp;T)：</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>目前頁碼(&amp;U)：</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>評分</translation>
    </message>
    <message>
        <source>Amazon &amp;Rating:</source>
        <translation>Amazon 評分(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;My Rating:</source>
        <translation>我的評分(&amp;M)：</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>未評分</translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation>自訂文字</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>自訂文字 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>自訂文字 2(&amp;2)：</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>電子書資訊</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>只有電子書(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Si&amp;ze (in MB):</source>
        <translation>大小（MB）(&amp;Z)：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a price. Please type an amount, for example %2 or %3.</source>
        <translation>「%1」不是價格。請輸入金額，例如 %2 或 %3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number. Please type digits only, for example 120.</source>
        <translation>「%1」不是頁碼。請只輸入數字，例如 120。</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>購買商店(&amp;S)：</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>評論數(&amp;B)：</translation>
    </message>
    <message>
        <source>Pers&amp;onal</source>
        <translation>個人(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;When Added:</source>
        <translation>加入日期(&amp;W):</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>閱讀紀錄</translation>
    </message>
</context>
<context>
    <name>CBorrowers</name>
    <message>
        <source>A borrower needs a name.</source>
        <translation>借閱人必須有姓名。</translation>
    </message>
    <message>
        <source>There is already a borrower called %1. To make the two one, use Merge.</source>
        <translation>已有名為 %1 的借閱人。要將兩者合為一人，請使用「合併」。</translation>
    </message>
    <message>
        <source>This borrower has loans and cannot be deleted. Rename or merge instead.</source>
        <translation>此借閱人有借閱記錄，不能刪除。可以重新命名或合併。</translation>
    </message>
</context>
<context>
    <name>CBorrowersDlg</name>
    <message>
        <source>Borrowers</source>
        <translation>借閱人</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Books now</source>
        <translation>目前借閱</translation>
    </message>
    <message>
        <source>Books ever</source>
        <translation>累計借閱</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>聯絡方式</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重新命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Merge Into...</source>
        <translation>合併到(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Merge Into</source>
        <translation>合併到</translation>
    </message>
    <message>
        <source>Give every loan of this borrower to:</source>
        <translation>將此借閱人的所有借閱轉給：</translation>
    </message>
</context>
<context>
    <name>CCatalogueBackup</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>無法寫入 %1。</translation>
    </message>
    <message>
        <source>The catalogue is busy.</source>
        <translation>書庫正忙。</translation>
    </message>
    <message>
        <source>%1 is not a usable catalogue backup.</source>
        <translation>%1 不是可用的書庫備份。</translation>
    </message>
</context>
<context>
    <name>CCatalogueCheck</name>
    <message>
        <source>The database file is intact.</source>
        <translation>資料庫檔案完好。</translation>
    </message>
    <message numerus="yes">
        <source>The database file is damaged (%n problem(s)):</source>
        <translation>
            <numerusform>資料庫檔案已損壞（%n 個問題）：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) belong to a book or category that no longer exists.</source>
        <translation>
            <numerusform>%n 列資料屬於已不存在的書籍或分類。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the images folder belong to no book:</source>
        <translation>
            <numerusform>圖片資料夾中有 %n 張圖片不屬於任何書籍：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were left by an interrupted save.</source>
        <translation>
            <numerusform>有 %n 個檔案是儲存中斷後遺留的。</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems were found.</source>
        <translation>未發現問題。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s).</source>
        <translation>
            <numerusform>已刪除 %n 列。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %n missing cover name(s).</source>
        <translation>
            <numerusform>已清除 %n 個指向遺失圖片的封面紀錄。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n picture(s) to the folder &quot;%1&quot;.</source>
        <translation>
            <numerusform>已將 %n 張圖片移到資料夾「%1」。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n leftover file(s).</source>
        <translation>
            <numerusform>已刪除 %n 個遺留檔案。</numerusform>
        </translation>
    </message>
    <message>
        <source>A damaged database file cannot be repaired here; restore a backup.</source>
        <translation>損壞的資料庫檔案無法在此修復，請還原備份。</translation>
    </message>
    <message>
        <source>Book %1 (untitled): the cover picture %2 is missing.</source>
        <translation>書籍 %1（無書名）：缺少封面圖片 %2。</translation>
    </message>
    <message>
        <source>“%1” (book %2): the cover picture %3 is missing.</source>
        <translation>「%1」（書籍 %2）：缺少封面圖片 %3。</translation>
    </message>
</context>
<context>
    <name>CCatalogueMove</name>
    <message>
        <source>Copying the catalogue to %1...</source>
        <translation>正在把書庫複製到 %1...</translation>
    </message>
    <message>
        <source>The catalogue is now on the server as %1. Open it there?</source>
        <translation>書庫現已在伺服器上，名為 %1。要在伺服器上開啟它嗎？</translation>
    </message>
    <message>
        <source>%1 is the catalogue that is open. Choose another file.</source>
        <translation>%1 是當前開啟的書庫。請選擇另一個檔案。</translation>
    </message>
    <message>
        <source>Saving a copy of the catalogue to %1...</source>
        <translation>正在把書庫的副本儲存到 %1...</translation>
    </message>
    <message>
        <source>A copy of the catalogue was saved to %1.</source>
        <translation>書庫的副本已儲存到 %1。</translation>
    </message>
</context>
<context>
    <name>CCatalogueTools</name>
    <message>
        <source>The automatic backup failed: %1</source>
        <translation>自動備份失敗：%1</translation>
    </message>
    <message>
        <source>Repair what can be repaired?</source>
        <translation>是否修復可以修復的問題？</translation>
    </message>
    <message>
        <source>There is no backup of this catalogue yet.</source>
        <translation>此書庫還沒有備份。</translation>
    </message>
    <message>
        <source>Replace the whole catalogue by the backup %1?
Its present contents are kept as a backup of their own.</source>
        <translation>是否用備份 %1 替換整個書庫？
書庫目前的內容會另存為一個備份。</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>還原備份</translation>
    </message>
    <message>
        <source>Replace the catalogue by this backup:</source>
        <translation>用此備份替換書庫：</translation>
    </message>
</context>
<context>
    <name>CCategoryGeneralPage</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>包含：</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>最後更新：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>備註：</translation>
    </message>
</context>
<context>
    <name>CCopyProgress</name>
    <message>
        <source>These values could not be copied as they were:</source>
        <translation>以下值無法按原樣複製：</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>……還有 %n 個。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCsvParser</name>
    <message>
        <source>A quoted field that starts on line %1 never ends.</source>
        <translation>從第 %1 行開始的帶引號欄位沒有結束。</translation>
    </message>
</context>
<context>
    <name>CDatePickerWithNone</name>
    <message>
        <source>Clear the box to leave the date empty</source>
        <translation>取消勾選可不填日期</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>有日期</translation>
    </message>
</context>
<context>
    <name>CExportCatalogDlg</name>
    <message>
        <source>Export Catalogue</source>
        <translation>匯出書庫</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>The &amp;whole catalogue</source>
        <translation>整個書庫(&amp;W)</translation>
    </message>
    <message>
        <source>The current &amp;category</source>
        <translation>目前分類(&amp;C)</translation>
    </message>
    <message>
        <source>with its &amp;sub-categories</source>
        <translation>包括其子分類(&amp;S)</translation>
    </message>
    <message>
        <source>The s&amp;elected books</source>
        <translation>所選書籍(&amp;E)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (UTF-8)</source>
        <translation>適用於試算表的 CSV (UTF-8)</translation>
    </message>
    <message>
        <source>Tellico collection with covers (.tc)</source>
        <translation>帶封面的 Tellico 收藏 (.tc)</translation>
    </message>
    <message>
        <source>Book XML (as Save As XML)</source>
        <translation>書籍 XML（同「另存為 XML」）</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Tellico Collections (*.tc)</source>
        <translation>Tellico 收藏 (*.tc)</translation>
    </message>
    <message>
        <source>XML Files (*.xml)</source>
        <translation>XML 檔案 (*.xml)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Ordoteca Help</source>
        <translation>Ordoteca 說明</translation>
    </message>
</context>
<context>
    <name>CHtmlEditorPage</name>
    <message>
        <source>URL:</source>
        <translation>網址：</translation>
    </message>
</context>
<context>
    <name>CImportWizard</name>
    <message>
        <source>Import Books</source>
        <translation>匯入書籍</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>匯入(&amp;I)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>A spreadsheet saved as CSV or tab-separated text, a Goodreads or LibraryThing export, or a Tellico collection (.tc or .xml).</source>
        <translation>另存為 CSV 或定位字元分隔文字的試算表、Goodreads 或 LibraryThing 的匯出檔案，或 Tellico 收藏（.tc 或 .xml）。</translation>
    </message>
    <message>
        <source>Book lists (*.csv *.tsv *.txt *.tc *.xml);;All Files (*)</source>
        <translation>書籍清單 (*.csv *.tsv *.txt *.tc *.xml);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>欄</translation>
    </message>
    <message>
        <source>Choose the book field each column of the file goes into. The choice is remembered for files of this kind.</source>
        <translation>為檔案的每一欄選擇要匯入的書籍欄位。程式會為同類檔案記住這項選擇。</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>欄</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>第一個值</translation>
    </message>
    <message>
        <source>Book field</source>
        <translation>書籍欄位</translation>
    </message>
    <message>
        <source>Where the books go</source>
        <translation>匯入位置</translation>
    </message>
    <message>
        <source>Into the &amp;category</source>
        <translation>放入分類(&amp;C)</translation>
    </message>
    <message>
        <source>Shelves, tags and groups become &amp;sub-categories</source>
        <translation>將書架、標籤和分組轉為子分類(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;kip books already in the catalogue (same ISBN, or same title and author)</source>
        <translation>略過書庫中已有的書籍(&amp;K)（ISBN 相同，或書名和作者相同）</translation>
    </message>
    <message>
        <source>&amp;Update them with the file&apos;s values</source>
        <translation>用檔案中的值更新它們(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Look the ISBNs up online afterwards to fill empty fields and covers</source>
        <translation>之後線上查詢 ISBN 以填寫空欄位和封面(&amp;L)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>The first books of the file as they will be imported.</source>
        <translation>預覽檔案中前幾本書的匯入結果。</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>書名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n book(s)</source>
        <translation>
            <numerusform>%1，%n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Choose the column that holds the title or the ISBN.</source>
        <translation>請選擇包含書名或 ISBN 的欄。</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>瀏覽(&amp;R)...</translation>
    </message>
    <message>
        <source>Into a ne&amp;w category under it, named</source>
        <translation>放入其下的新分類(&amp;W)，名稱為</translation>
    </message>
    <message>
        <source>File to import</source>
        <translation>要匯入的檔案</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>執行 SQL</translation>
    </message>
    <message>
        <source>Input SQL statement:</source>
        <translation>輸入 SQL 語句：</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>注意：僅供進階使用者使用。</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>SQL 語句不能為空。</translation>
    </message>
</context>
<context>
    <name>CLendDlg</name>
    <message>
        <source>Lend</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>書名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Borrower:</source>
        <translation>借閱人(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Loan date:</source>
        <translation>借出日期(&amp;L)：</translation>
    </message>
    <message>
        <source>D&amp;ue date:</source>
        <translation>應還日期(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>Borrowed Book</source>
        <translation>借入的書</translation>
    </message>
    <message>
        <source>Borrowed &amp;from:</source>
        <translation>借自(&amp;F)：</translation>
    </message>
    <message>
        <source>Borrowed &amp;on:</source>
        <translation>借入日期(&amp;O)：</translation>
    </message>
    <message>
        <source>Please enter the title of the book.</source>
        <translation>請輸入書名。</translation>
    </message>
    <message>
        <source>Please enter who the book is lent to.</source>
        <translation>請輸入借書人。</translation>
    </message>
    <message>
        <source>Please enter who the book is borrowed from.</source>
        <translation>請輸入書的出借人。</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>應還日期不能早於借出日期。</translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>標題(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>路徑(&amp;P)：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>（選用）</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
</context>
<context>
    <name>CListFilterBar</name>
    <message>
        <source>Filter this list</source>
        <translation>篩選此清單</translation>
    </message>
    <message>
        <source>Show only the books whose title, subtitle, author, ISBN, publisher or series hold every word typed; Esc clears</source>
        <extracomment>Tooltip of the filter bar above the book list.</extracomment>
        <translation>只顯示書名、副書名、作者、ISBN、出版社或系列中含有所輸入全部詞語的書籍；按 Esc 清除</translation>
    </message>
</context>
<context>
    <name>CLoanTools</name>
    <message>
        <source>Show the books on loan</source>
        <translation>顯示借出的書</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) are overdue</source>
        <translation>
            <numerusform>%n 本書已逾期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) were on loan already and kept their loan.</source>
        <translation>
            <numerusform>%n 本書已借出，保留原借閱記錄。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLoans</name>
    <message>
        <source>Please enter who the book is lent to or borrowed from.</source>
        <translation>請輸入借書人或出借人。</translation>
    </message>
    <message>
        <source>Please enter the date of the loan.</source>
        <translation>請輸入借出日期。</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>應還日期不能早於借出日期。</translation>
    </message>
    <message>
        <source>Please enter the date the book came back.</source>
        <translation>請輸入歸還日期。</translation>
    </message>
    <message>
        <source>A book cannot come back before the date it was lent. Nothing was returned.</source>
        <translation>書的歸還日期不能早於借出日期。沒有歸還任何書。</translation>
    </message>
</context>
<context>
    <name>CLookupProgressDlg</name>
    <message>
        <source>Add Book</source>
        <translation>新增書籍</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>No CSS files found.</source>
        <translation>找不到 CSS 檔案。</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <translation>找不到 XSL 檔案。</translation>
    </message>
    <message>
        <source>&amp;New Database...</source>
        <translation>新增資料庫(&amp;N)...</translation>
    </message>
    <message>
        <source>Create a new book database
New Database</source>
        <translation>建立新的書籍資料庫
新增資料庫</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>開啟資料庫(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing book database
Open Database</source>
        <translation>開啟現有的書籍資料庫
開啟資料庫</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>另存為 HTML(&amp;H)...</translation>
    </message>
    <message>
        <source>Save the book page as an HTML file
Save As HTML</source>
        <translation>將書籍頁面另存為 HTML 檔案
另存為 HTML</translation>
    </message>
    <message>
        <source>Save the selected books as an XML file
Save As XML</source>
        <translation>將所選書籍另存為 XML 檔案
另存為 XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>頁面設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>變更列印選項
頁面設定</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>列印預覽(&amp;V)...</translation>
    </message>
    <message>
        <source>Display the book page as it will be printed
Print Preview</source>
        <translation>顯示書籍頁面的列印效果
列印預覽</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the book page
Print</source>
        <translation>列印書籍頁面
列印</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>結束應用程式
結束</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>剪下所選內容並放到剪貼簿上
剪下</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>複製所選內容並放到剪貼簿上
複製</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>插入剪貼簿內容
貼上</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全選(&amp;A)</translation>
    </message>
    <message>
        <source>Select everything
Select All</source>
        <translation>選擇全部內容
全選</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>復原上一個動作
復原</translation>
    </message>
    <message>
        <source>Add a sub category to the selected category
Add Sub Category</source>
        <translation>在所選分類下新增子分類
新增子分類</translation>
    </message>
    <message>
        <source>Delete the selected category
Remove Category</source>
        <translation>刪除所選分類
刪除分類</translation>
    </message>
    <message>
        <source>Rename or annotate the selected category
Edit Category</source>
        <translation>重新命名所選分類或為其新增備註
編輯分類</translation>
    </message>
    <message>
        <source>Add &amp;Book...</source>
        <translation>新增書籍(&amp;B)...</translation>
    </message>
    <message>
        <source>Add a book to the selected category
Add Book</source>
        <translation>向所選分類新增書籍
新增書籍</translation>
    </message>
    <message>
        <source>&amp;Remove Book</source>
        <translation>移除書籍(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the selected books
Remove Book</source>
        <translation>移除所選書籍
移除書籍</translation>
    </message>
    <message>
        <source>&amp;Edit Book...</source>
        <translation>編輯書籍(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected book
Edit Book</source>
        <translation>編輯所選書籍
編輯書籍</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>我的最愛(&amp;F)</translation>
    </message>
    <message>
        <source>Add the selected books to Favorites
Favorites</source>
        <translation>將所選書籍新增到我的最愛
我的最愛</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>閱讀清單(&amp;R)</translation>
    </message>
    <message>
        <source>Add the selected books to the Reading List
Reading List</source>
        <translation>將所選書籍新增到閱讀清單
閱讀清單</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>搜尋結果(&amp;S)</translation>
    </message>
    <message>
        <source>Add the selected books to Search Results
Search Results</source>
        <translation>將所選書籍新增到搜尋結果
搜尋結果</translation>
    </message>
    <message>
        <source>Basic &amp;Search</source>
        <translation>基本搜尋(&amp;S)</translation>
    </message>
    <message>
        <source>Search the catalogue for a keyword
Basic Search</source>
        <translation>在書庫中搜尋關鍵字
基本搜尋</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具列(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>顯示或隱藏工具列
切換工具列</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>狀態列(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>顯示或隱藏狀態列
切換狀態列</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>重新整理(&amp;R)</translation>
    </message>
    <message>
        <source>Show the book page again
Refresh</source>
        <translation>重新顯示書籍頁面
重新整理</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>執行 SQL(&amp;R)...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database
Run SQL</source>
        <translation>向資料庫提交 SQL 語句
執行 SQL</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>選項(&amp;O)...</translation>
    </message>
    <message>
        <source>Set default values and the interface language
Options</source>
        <translation>設定預設值和介面語言
選項</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>說明主題(&amp;H)</translation>
    </message>
    <message>
        <source>Open the user guide
Help Topics</source>
        <translation>開啟使用者指南
說明主題</translation>
    </message>
    <message>
        <source>&amp;About Ordo...</source>
        <translation>關於 Ordo(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>顯示程式資訊、版本號碼和版權
關於</translation>
    </message>
    <message>
        <source>Ordoteca &amp;Website</source>
        <translation>Ordoteca 網站(&amp;W)</translation>
    </message>
    <message>
        <source>Visit the Ordoteca web site
Website</source>
        <translation>造訪 Ordoteca 網站
網站</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>支援論壇(&amp;F)</translation>
    </message>
    <message>
        <source>Visit the Ordoteca support forum
Forum</source>
        <translation>造訪 Ordoteca 支援論壇
論壇</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Display help for the current task
Help</source>
        <translation>顯示目前任務的說明
說明</translation>
    </message>
    <message>
        <source>Help &amp;Mode</source>
        <translation>說明模式(&amp;M)</translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help</source>
        <translation>顯示所點選按鈕、選單和視窗的說明
說明</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切換到下一個窗格
下一窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切換回上一個窗格
上一窗格</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>開啟此資料庫</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>%1 (read-only) - Ordoteca</source>
        <translation>%1（唯讀）- Ordoteca</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>匯入(&amp;I)...</translation>
    </message>
    <message>
        <source>Bring in books from a spreadsheet, Goodreads, LibraryThing or Tellico
Import</source>
        <translation>從試算表、Goodreads、LibraryThing 或 Tellico 匯入書籍
匯入</translation>
    </message>
    <message>
        <source>Export &amp;Catalogue...</source>
        <translation>匯出書庫(&amp;C)...</translation>
    </message>
    <message>
        <source>Write the catalogue, a category or the selected books to a file
Export Catalogue</source>
        <translation>將書庫、一個分類或所選書籍寫入檔案
匯出書庫</translation>
    </message>
    <message>
        <source>&amp;Check Catalogue...</source>
        <translation>檢查書庫(&amp;C)...</translation>
    </message>
    <message>
        <source>Check the catalogue and its cover pictures and repair what can be repaired
Check Catalogue</source>
        <translation>檢查書庫及其封面圖片，並修復可以修復的問題
檢查書庫</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>還原備份(&amp;B)...</translation>
    </message>
    <message>
        <source>Replace the catalogue by one of its automatic backups
Restore Backup</source>
        <translation>用書庫的某個自動備份替換書庫
還原備份</translation>
    </message>
    <message>
        <source>User Guide in Web &amp;Browser</source>
        <translation>在網頁瀏覽器中開啟使用者指南(&amp;B)</translation>
    </message>
    <message>
        <source>Open the user guide in the desktop&apos;s web browser
User Guide in Web Browser</source>
        <translation>在桌面的網頁瀏覽器中開啟使用者指南
在網頁瀏覽器中開啟使用者指南</translation>
    </message>
    <message>
        <source>Save As X&amp;ML...</source>
        <translation>另存為 XML(&amp;M)...</translation>
    </message>
    <message>
        <source>Add S&amp;ub Category...</source>
        <translation>新增子分類(&amp;U)...</translation>
    </message>
    <message>
        <source>Re&amp;move Category</source>
        <translation>刪除分類(&amp;M)</translation>
    </message>
    <message>
        <source>Edit Cate&amp;gory...</source>
        <translation>編輯分類(&amp;G)...</translation>
    </message>
    <message>
        <source>Se&amp;nd To</source>
        <translation>傳送到(&amp;N)</translation>
    </message>
    <message>
        <source>Content T&amp;emplate</source>
        <translation>內容範本(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Display Style</source>
        <translation>顯示樣式(&amp;D)</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>Book page</source>
        <translation>書籍頁面</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>借出(&amp;L)...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone
Lend</source>
        <translation>記錄所選的書已借給某人
借出</translation>
    </message>
    <message>
        <source>Record that the selected books on loan came back
Return</source>
        <translation>記錄所選借出的書已歸還
歸還</translation>
    </message>
    <message>
        <source>Borro&amp;wed Book...</source>
        <translation>借入的書(&amp;W)...</translation>
    </message>
    <message>
        <source>Add a book you borrowed, so that you remember to give it back
Borrowed Book</source>
        <translation>新增借來的書，以免忘記歸還
借入的書</translation>
    </message>
    <message>
        <source>&amp;Borrowers...</source>
        <translation>借閱人(&amp;B)...</translation>
    </message>
    <message>
        <source>Rename, merge or delete the people books are lent to
Borrowers</source>
        <translation>重新命名、合併或刪除借閱人
借閱人</translation>
    </message>
    <message>
        <source>Return Boo&amp;k...</source>
        <translation>歸還(&amp;K)...</translation>
    </message>
    <message>
        <source>Start Rea&amp;ding</source>
        <translation>開始閱讀(&amp;D)</translation>
    </message>
    <message>
        <source>Log that you began reading the selected books today
Start Reading</source>
        <translation>記錄今天開始閱讀所選書籍
開始閱讀</translation>
    </message>
    <message>
        <source>F&amp;inished Reading</source>
        <translation>讀完(&amp;I)</translation>
    </message>
    <message>
        <source>Log that you finished reading the selected books today
Finished Reading</source>
        <translation>記錄今天讀完所選書籍
讀完</translation>
    </message>
    <message>
        <source>Series &amp;Columns</source>
        <translation>系列欄(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the series and the number in it in the book list
Series Columns</source>
        <translation>在圖書清單中顯示或隱藏系列及書在其中的編號
系列欄</translation>
    </message>
    <message>
        <source>S&amp;ort by Series</source>
        <translation>依系列排序(&amp;O)</translation>
    </message>
    <message>
        <source>List the books by series, then by their number in it
Sort by Series</source>
        <translation>依系列、再依書在系列中的編號排列圖書
依系列排序</translation>
    </message>
    <message>
        <source>&amp;Filter List</source>
        <translation>篩選清單(&amp;F)</translation>
    </message>
    <message>
        <source>Show only the books of the list that hold the words you type
Filter List</source>
        <translation>只列出含有所輸入全部詞語的書籍
篩選清單</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>統計(&amp;T)...</translation>
    </message>
    <message>
        <source>Count the books, authors and prices and chart them by category, author, year and more
Statistics</source>
        <translation>統計書籍、作者和價格，並依分類、作者、年份等繪製圖表
統計</translation>
    </message>
    <message>
        <source>Open Server Ca&amp;talogue...</source>
        <translation>開啟伺服器上的書庫(&amp;T)...</translation>
    </message>
    <message>
        <source>Open a catalogue kept on a PostgreSQL server
Open Server Catalogue</source>
        <translation>開啟儲存在 PostgreSQL 伺服器上的書庫
開啟伺服器上的書庫</translation>
    </message>
    <message>
        <source>Ne&amp;w Server Catalogue...</source>
        <translation>新建伺服器上的書庫(&amp;W)...</translation>
    </message>
    <message>
        <source>Make a catalogue in an empty database on a PostgreSQL server
New Server Catalogue</source>
        <translation>在 PostgreSQL 伺服器的空資料庫中建立書庫
新建伺服器上的書庫</translation>
    </message>
    <message>
        <source>&amp;Reconnect</source>
        <translation>重新連線(&amp;R)</translation>
    </message>
    <message>
        <source>Connect again to the server whose connection was lost
Reconnect</source>
        <translation>重新連線到已斷開的伺服器
重新連線</translation>
    </message>
    <message>
        <source>Cop&amp;y Catalogue to Server...</source>
        <translation>把書庫複製到伺服器(&amp;Y)...</translation>
    </message>
    <message>
        <source>Copy the open catalogue file into a new catalogue on a PostgreSQL server
Copy Catalogue to Server</source>
        <translation>把開啟的書庫檔案複製到 PostgreSQL 伺服器上的新書庫
把書庫複製到伺服器</translation>
    </message>
    <message>
        <source>Save &amp;Local Copy...</source>
        <translation>儲存本地副本(&amp;L)...</translation>
    </message>
    <message>
        <source>Copy the server catalogue into a catalogue file on this computer
Save Local Copy</source>
        <translation>把伺服器上的書庫複製到本機的書庫檔案
儲存本地副本</translation>
    </message>
</context>
<context>
    <name>COnlineQueryResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>請從以下項目中選擇一項：</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Books found</source>
        <translation>找到的書籍</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後一頁</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>新增新書時將使用以下預設值。</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>語言(&amp;L)：</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>存放位置(&amp;O)：</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>自訂文字 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>自訂文字 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>購買日期(&amp;P)：</translation>
    </message>
    <message>
        <source>Clear for no purchase date</source>
        <translation>取消勾選表示無購買日期</translation>
    </message>
    <message>
        <source>Each new book gets the day it is added</source>
        <translation>每本新書使用其新增當天的日期</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>今天(&amp;T)</translation>
    </message>
    <message>
        <source>I only have &amp;eBook:</source>
        <translation>只有電子書(&amp;E)：</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>狀態(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>購買商店(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Default Values</source>
        <translation>預設值(&amp;D)</translation>
    </message>
    <message>
        <source>Da&amp;ys until a loan is due:</source>
        <translation>借閱天數(&amp;Y)：</translation>
    </message>
    <message>
        <source>No due date</source>
        <translation>無應還日期</translation>
    </message>
</context>
<context>
    <name>COptionsOnlinePage</name>
    <message>
        <source>(optional)</source>
        <translation>（選用）</translation>
    </message>
    <message>
        <source>Contact &amp;e-mail:</source>
        <translation>聯絡電子郵件(&amp;E)：</translation>
    </message>
    <message>
        <source>Sent with every request, so that a service can reach you instead of blocking the program.</source>
        <translation>隨每個要求一併傳送，讓服務提供者必要時能聯絡您，而不是直接封鎖本程式。</translation>
    </message>
    <message>
        <source>Store &amp;ISBNs as:</source>
        <extracomment>The verb: how ISBNs are written into the catalogue (ISBN-10, ISBN-13). Not the shop of the Store field.</extracomment>
        <translation>ISBN 儲存格式(&amp;I)：</translation>
    </message>
    <message>
        <source>When the chosen source does not know an ISBN, &amp;ask these sources too:</source>
        <translation>所選來源查不到某個 ISBN 時，也查詢以下來源(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>測試連線(&amp;T)</translation>
    </message>
    <message>
        <source>ISBN-10 where there is one</source>
        <translation>有 ISBN-10 時用 ISBN-10</translation>
    </message>
    <message>
        <source>ISBN-13</source>
        <translation>ISBN-13</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>維持輸入的格式</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>正在查詢 %1...</translation>
    </message>
    <message>
        <source>%1 answered in %2 ms.</source>
        <translation>%1 在 %2 毫秒內回應。</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>測試已取消。</translation>
    </message>
    <message>
        <source>Service addresses</source>
        <translation>服務位址</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>還原為 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address Ordoteca can use for %2.
Please enter an address that starts with http:// or https://, for example %3.</source>
        <translation>「%1」不是 Ordoteca 可用於%2的網址。
請輸入以 http:// 或 https:// 開頭的位址，例如 %3。</translation>
    </message>
    <message>
        <source>&amp;Look books up at:</source>
        <translation>查詢書籍的來源(&amp;L)：</translation>
    </message>
    <message>
        <source>Google Books API &amp;key:</source>
        <translation>Google Books API 金鑰(&amp;K)：</translation>
    </message>
    <message>
        <source>O&amp;nline</source>
        <translation>線上(&amp;N)</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>&amp;Interface Language:</source>
        <translation>介面語言(&amp;I)：</translation>
    </message>
    <message>
        <source>(Restart of Ordoteca is needed.)</source>
        <translation>（需要重新啟動 Ordoteca。）</translation>
    </message>
    <message>
        <source>&amp;User Interface</source>
        <translation>使用者介面(&amp;U)</translation>
    </message>
</context>
<context>
    <name>COrdoApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>開啟資料庫</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>新增資料庫</translation>
    </message>
    <message>
        <source>Save Local Copy</source>
        <translation>儲存本地副本</translation>
    </message>
</context>
<context>
    <name>COrdoDoc</name>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>拒絕存取 %1。</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue.</source>
        <translation>%1 不是 Ordoteca 書庫。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) left behind by books or categories deleted outside Ordoteca.</source>
        <translation>
            <numerusform>已清除 %n 筆遺留記錄（由在 Ordoteca 之外刪除的書籍或分類留下）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoHtmlView</name>
    <message>
        <source>Save As XML</source>
        <translation>另存為 XML</translation>
    </message>
    <message>
        <source>Save As HTML</source>
        <translation>另存為 HTML</translation>
    </message>
    <message numerus="yes">
        <source>Show the next %n books</source>
        <translation>
            <numerusform>顯示接下來的 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show all %n books</source>
        <translation>
            <numerusform>顯示全部 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Preparing %n books...</source>
        <translation>
            <numerusform>正在準備 %n 本書...</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>COrdoListView</name>
    <message>
        <source>Are you sure you want to permanently delete the selected book(s)?</source>
        <translation>確定要永久刪除所選書籍嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected book(s) from this category?</source>
        <translation>確定要從此分類中移除所選書籍嗎？</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>書名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>版次</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1</source>
        <extracomment>%1 is the number of selected books, &quot;%n selected&quot;.</extracomment>
        <translation>
            <numerusform>%n 本書；%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已選擇 %n 本</numerusform>
        </translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>加入日期</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借閱人</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>應還日期</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The number of a book within its series, as a short column heading.</extracomment>
        <translation>編號</translation>
    </message>
</context>
<context>
    <name>COrdoTreeView</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>無效的日期時間</translation>
    </message>
    <message>
        <source>All Books</source>
        <translation>全部書籍</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this category?
Note: this will delete all books and subcategories in this category.</source>
        <translation>確定要刪除此分類嗎？
注意：此操作將刪除此分類中的所有書籍和子分類。</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <translation>無法貼上：來源分類不存在。</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <translation>無法貼上：目標不能是來源分類本身、其父分類或其子分類。</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>On Loan</source>
        <translation>已借出</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>無法列印頁面。</translation>
    </message>
    <message>
        <source>Preparing the print preview...</source>
        <translation>正在準備預覽列印...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The page could not be rendered for printing.</source>
        <translation>無法產生用於列印的頁面。</translation>
    </message>
</context>
<context>
    <name>CPasswordDialog</name>
    <message>
        <source>Server Password</source>
        <translation>伺服器密碼</translation>
    </message>
    <message>
        <source>The password for %1:</source>
        <translation>%1 的密碼：</translation>
    </message>
    <message>
        <source>The password of %1 for %2:</source>
        <translation>%1 在 %2 上的密碼：</translation>
    </message>
    <message>
        <source>&amp;Remember in the desktop&apos;s keyring</source>
        <translation>儲存在桌面金鑰環中(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>預覽列印</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>頁面設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>符合寬度(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>Printed pages</source>
        <translation>列印頁面</translation>
    </message>
    <message>
        <source>Zoom In (%1)</source>
        <translation>放大 (%1)</translation>
    </message>
    <message>
        <source>Zoom Out (%1)</source>
        <translation>縮小 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Page %1 of %n</source>
        <translation>
            <numerusform>第 %1 頁，共 %n 頁</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReadingLogTable</name>
    <message>
        <source>Add Reading</source>
        <translation>新增閱讀</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>刪除閱讀</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>讀完</translation>
    </message>
    <message>
        <source>Read to the End</source>
        <translation>已讀完</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>閱讀紀錄</translation>
    </message>
</context>
<context>
    <name>CReturnDlg</name>
    <message>
        <source>Return</source>
        <translation>歸還</translation>
    </message>
    <message>
        <source>&amp;Return date:</source>
        <translation>歸還日期(&amp;R)：</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) on loan will be marked as returned.</source>
        <translation>
            <numerusform>%n 本借出的書將標記為已歸還。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CServerDialog</name>
    <message>
        <source>Open Server Catalogue</source>
        <translation>開啟伺服器上的書庫</translation>
    </message>
    <message>
        <source>New Server Catalogue</source>
        <translation>新建伺服器上的書庫</translation>
    </message>
    <message>
        <source>Where is the catalogue? Ask the server&apos;s administrator for these values.</source>
        <translation>書庫在哪裡？請向伺服器管理員詢問這些值。</translation>
    </message>
    <message>
        <source>Where is the catalogue to be made? The database (or its schema) must exist and be empty.</source>
        <translation>要在哪裡建立書庫？資料庫（或其模式）必須已存在且為空。</translation>
    </message>
    <message>
        <source>public</source>
        <translation>public</translation>
    </message>
    <message>
        <source>Never (disable)</source>
        <translation>從不 (disable)</translation>
    </message>
    <message>
        <source>When the server offers it (prefer)</source>
        <translation>伺服器提供時 (prefer)</translation>
    </message>
    <message>
        <source>Always (require)</source>
        <translation>總是 (require)</translation>
    </message>
    <message>
        <source>Always, checking the server&apos;s certificate (verify-full)</source>
        <translation>總是，並檢查伺服器證書 (verify-full)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>主機(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>埠(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>資料庫(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>使用者(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Schema:</source>
        <translation>模式(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>加密(&amp;E)：</translation>
    </message>
    <message>
        <source>Enter the name or address of the server.</source>
        <translation>請輸入伺服器的名稱或地址。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>Enter the name of the database.</source>
        <translation>請輸入資料庫的名稱。</translation>
    </message>
</context>
<context>
    <name>CSqlRunProgress</name>
    <message>
        <source>Running the SQL statement...</source>
        <translation>正在執行 SQL 語句...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
</context>
<context>
    <name>CStatisticsWindow</name>
    <message>
        <source>Working…</source>
        <translation>正在統計…</translation>
    </message>
    <message>
        <source>The numbers could not be counted: %1</source>
        <translation>無法完成統計：%1</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>未填寫</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>統計範圍(&amp;C)：</translation>
    </message>
    <message>
        <source>Whole catalogue</source>
        <translation>整個書庫</translation>
    </message>
    <message>
        <source>Current category and its sub-categories</source>
        <translation>目前分類及其子分類</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; and its sub-categories</source>
        <translation>分類「%1」及其子分類</translation>
    </message>
    <message>
        <source>Selected books</source>
        <translation>選取的書籍</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Books:</source>
        <translation>書籍：</translation>
    </message>
    <message>
        <source>Authors:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Publishers:</source>
        <translation>出版社：</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>頁數：</translation>
    </message>
    <message>
        <source>Value by purchase price:</source>
        <translation>依購買價格計的價值：</translation>
    </message>
    <message>
        <source>Value by list price:</source>
        <translation>依定價計的價值：</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>儲存圖表(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print Chart...</source>
        <translation>列印圖表(&amp;P)...</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>裝訂</translation>
    </message>
    <message>
        <source>Release Decades</source>
        <translation>出版年代</translation>
    </message>
    <message>
        <source>Added per Year</source>
        <translation>每年加入</translation>
    </message>
    <message>
        <source>Read per Month</source>
        <translation>每月讀完</translation>
    </message>
    <message>
        <source>Read per Year</source>
        <translation>每年讀完</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>Books per category (the %1 largest)</source>
        <translation>各分類的書籍數（最多的 %1 個）</translation>
    </message>
    <message>
        <source>Books per category</source>
        <translation>各分類的書籍數</translation>
    </message>
    <message>
        <source>The %1 authors with the most books</source>
        <translation>書籍最多的 %1 位作者</translation>
    </message>
    <message>
        <source>The %1 publishers with the most books</source>
        <translation>書籍最多的 %1 家出版社</translation>
    </message>
    <message>
        <source>Books per language</source>
        <translation>各語言的書籍數</translation>
    </message>
    <message>
        <source>Books per binding</source>
        <translation>各裝訂的書籍數</translation>
    </message>
    <message>
        <source>Books per decade of release</source>
        <translation>各出版年代的書籍數</translation>
    </message>
    <message>
        <source>Books added to the catalogue per year</source>
        <translation>每年加入書庫的書籍數</translation>
    </message>
    <message>
        <source>Books finished per month</source>
        <translation>每月讀完的書籍數</translation>
    </message>
    <message>
        <source>Books finished per month (the last %1 months)</source>
        <translation>每月讀完的書籍數（最近 %1 個月）</translation>
    </message>
    <message>
        <source>Books finished per year</source>
        <translation>每年讀完的書籍數</translation>
    </message>
    <message>
        <source>Loans per borrower</source>
        <translation>各借閱人的借出次數</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>未填寫</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>decade: 1990s</comment>
        <translation>%1年代</translation>
    </message>
    <message>
        <source>Nothing to show for these books</source>
        <translation>這些書籍沒有可顯示的內容</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>儲存圖表</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG 圖片 (*.png);;SVG 向量圖 (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>無法將圖表儲存為 %1。</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>列印圖表</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>無法列印圖表。</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>Importing books...</source>
        <translation>正在匯入書籍...</translation>
    </message>
    <message>
        <source>Export Catalogue</source>
        <translation>匯出書庫</translation>
    </message>
    <message>
        <source>Exporting books...</source>
        <translation>正在匯出書籍...</translation>
    </message>
    <message>
        <source>The report was shortened. Save the whole report to a text file?</source>
        <translation>報告已被縮短。要把完整的報告儲存到文字檔嗎？</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>無法把報告儲存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>CUrlLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>無法開啟超連結：

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>作業系統記憶體
或資源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的檔案。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路徑。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>作業系統拒絕
存取指定的檔案。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>記憶體不足，無法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 檔案無效
（非 Win32 .EXE 或 .EXE 映像有錯誤）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>發生共用違規。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>檔名關聯
不完整或無效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>請求逾時，
DDE 交易無法完成。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 交易失敗。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>由於正在處理其他 DDE 交易，
DDE 交易
無法完成。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>沒有與該副檔名
關聯的應用程式。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的動態連結程式庫。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>發生未知錯誤 (%1)。</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>A catalogue holds your books and their categories in one file. Create a new one, or open one you already have.</source>
        <translation>書庫將您的書籍及其分類儲存在一個檔案中。請新增一個書庫，或開啟已有的書庫。</translation>
    </message>
    <message>
        <source>Create a new catalogue...</source>
        <translation>新增書庫...</translation>
    </message>
    <message>
        <source>Open a catalogue...</source>
        <translation>開啟書庫...</translation>
    </message>
    <message>
        <source>Welcome to Ordoteca</source>
        <translation>歡迎使用 Ordoteca</translation>
    </message>
</context>
<context>
    <name>CZipReader</name>
    <message>
        <source>The archive cannot be read: %1.</source>
        <translation>無法讀取壓縮檔：%1。</translation>
    </message>
    <message>
        <source>The archive holds no %1.</source>
        <translation>壓縮檔中沒有 %1。</translation>
    </message>
    <message>
        <source>%1 in the archive is too large.</source>
        <translation>壓縮檔中的 %1 太大。</translation>
    </message>
    <message>
        <source>%1 in the archive cannot be read: %2.</source>
        <translation>無法讀取壓縮檔中的 %1：%2。</translation>
    </message>
    <message>
        <source>%1 in the archive is damaged.</source>
        <translation>壓縮檔中的 %1 已損壞。</translation>
    </message>
</context>
<context>
    <name>CZipWriter</name>
    <message>
        <source>The archive cannot be read back.</source>
        <translation>壓縮檔寫入後無法重新讀取。</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>No new number is free: the highest one is already in use.</source>
        <translation>沒有可用的新編號：最大編號已被使用。</translation>
    </message>
</context>
<context>
    <name>CatalogueCopy</name>
    <message>
        <source>Nothing to copy from or to.</source>
        <translation>沒有可複製的來源或目標。</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was kept.</source>
        <translation>複製已取消；未保留任何內容。</translation>
    </message>
    <message>
        <source>The table %1 has no place in the copy and was left out.</source>
        <translation>副本中沒有表 %1 的位置，已略過。</translation>
    </message>
    <message>
        <source>The column %1.%2 has no place in the copy and was left out.</source>
        <translation>副本中沒有列 %1.%2 的位置，已略過。</translation>
    </message>
    <message>
        <source>%1 %2: &quot;%3&quot; in %4 is not a number and was left empty.</source>
        <translation>%1 %2：%4 中的“%3”不是數字，已留空。</translation>
    </message>
    <message>
        <source>The cover picture %1 is missing from %2 and was not copied.</source>
        <translation>%2 中缺少封面圖片 %1，未複製。</translation>
    </message>
    <message>
        <source>The picture name %1 cannot be a file name and was not copied.</source>
        <translation>圖片名稱 %1 不能用作檔名，未複製。</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>無法寫入圖片 %1。</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>無法建立資料夾 %1。</translation>
    </message>
    <message>
        <source>Unable to read the picture %1.</source>
        <translation>無法讀取圖片 %1。</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue: the file is not a database.</source>
        <translation>%1 不是 Ordoteca 書庫：該檔案不是資料庫。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it there and try again.</source>
        <translation>%1 正被另一個程式使用。請先在該程式中關閉，再試一次。</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet.</source>
        <translation>%1 中還沒有 Ordoteca 書庫。</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by a newer version of Ordoteca. Update the program to open it; nothing was changed.</source>
        <translation>書庫 %1 由較新版本的 Ordoteca 建立。請更新程式後再開啟；未作任何更改。</translation>
    </message>
    <message>
        <source>%1 already holds a catalogue; nothing was changed.</source>
        <translation>%1 中已有書庫；未作任何更改。</translation>
    </message>
    <message>
        <source>The server asks for a password.</source>
        <translation>伺服器要求輸入密碼。</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>伺服器拒絕了使用者名稱或密碼。</translation>
    </message>
    <message>
        <source>No encrypted (TLS) connection could be made, and the chosen TLS mode requires one.</source>
        <translation>無法建立加密 (TLS) 連線，而所選的 TLS 模式要求加密。</translation>
    </message>
    <message>
        <source>The server does not answer. Check that it is running and that the host and port are right.</source>
        <translation>伺服器沒有響應。請檢查伺服器是否正在執行，以及主機和埠是否正確。</translation>
    </message>
    <message>
        <source>The server has no such database or user.</source>
        <translation>伺服器上沒有此資料庫或使用者。</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>伺服器拒絕了連線。</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Nothing was changed by this step; try again once the server is back.</source>
        <translation>與伺服器的連線已斷開。此步驟未作任何更改；請在伺服器恢復後重試。</translation>
    </message>
    <message>
        <source>You have no right to do this on the server: %1</source>
        <translation>您在伺服器上沒有執行此操作的許可權：%1</translation>
    </message>
    <message>
        <source>%1 has no meaning on a server catalogue.</source>
        <translation>%1 對伺服器上的書庫沒有意義。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>My Books</source>
        <translation>我的書籍</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>無法寫入檔案：%1。</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <translation>無法以寫入模式開啟檔案。</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Title</source>
        <translation>書名</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>副書名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>版次</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>出版日期</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>裝訂</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Purchase date</source>
        <translation>購買日期</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>購買商店</translation>
    </message>
    <message>
        <source>Purchase price</source>
        <translation>購買價格</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>定價</translation>
    </message>
    <message>
        <source>Online price</source>
        <translation>網路價格</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>存放位置</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>目前頁碼</translation>
    </message>
    <message>
        <source>Average rating</source>
        <translation>平均評分</translation>
    </message>
    <message>
        <source>Number of reviews</source>
        <translation>評論數</translation>
    </message>
    <message>
        <source>My rating</source>
        <translation>我的評分</translation>
    </message>
    <message>
        <source>User text 1</source>
        <translation>自訂文字 1</translation>
    </message>
    <message>
        <source>User text 2</source>
        <translation>自訂文字 2</translation>
    </message>
    <message>
        <source>E-book only</source>
        <translation>僅有電子書</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Book size</source>
        <translation>電子書大小</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>內容簡介</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Categories (shelves, groups)</source>
        <translation>分類（書架、分組）</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>連結</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>（不匯入）</translation>
    </message>
    <message>
        <source>Delimited text (CSV/TSV)</source>
        <translation>分隔文字 (CSV/TSV)</translation>
    </message>
    <message>
        <source>Goodreads export</source>
        <translation>Goodreads 匯出檔案</translation>
    </message>
    <message>
        <source>LibraryThing export</source>
        <translation>LibraryThing 匯出檔案</translation>
    </message>
    <message>
        <source>Tellico collection (.tc)</source>
        <translation>Tellico 收藏 (.tc)</translation>
    </message>
    <message>
        <source>Tellico XML</source>
        <translation>Tellico XML</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>The collection is not well-formed XML (line %1: %2).</source>
        <translation>該收藏不是格式正確的 XML（第 %1 行：%2）。</translation>
    </message>
    <message>
        <source>The file is not a Tellico collection.</source>
        <translation>該檔案不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 was not found.</source>
        <translation>%1：找不到封面圖片 %2。</translation>
    </message>
    <message>
        <source>The import was cancelled; the catalogue is unchanged.</source>
        <translation>匯入已取消，書庫未改變。</translation>
    </message>
    <message>
        <source>The import failed; the catalogue is unchanged.</source>
        <translation>匯入失敗，書庫未改變。</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已新增：%1</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>已更新：%1</translation>
    </message>
    <message>
        <source>Skipped as duplicates: %1</source>
        <translation>因重複而略過：%1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>已拒絕：%1</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ……還有 %1 項</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>條目 %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>The row has neither a title nor an ISBN.</source>
        <translation>該列既沒有書名也沒有 ISBN。</translation>
    </message>
    <message>
        <source>The file is neither delimited text nor a Tellico collection.</source>
        <translation>該檔案既不是分隔文字，也不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The file holds no books: it needs a header row and at least one row of data.</source>
        <translation>檔案中沒有書籍：需要一個標題列和至少一列資料。</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>檔案 %1 不存在。</translation>
    </message>
    <message>
        <source>The file is too large to import (%1 MB; at most %2 MB).</source>
        <translation>檔案太大，無法匯入（%1 MB；最大 %2 MB）。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>檔案為空。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>無法讀取檔案：%1。</translation>
    </message>
    <message>
        <source>It is not a Tellico collection.</source>
        <translation>它不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The collection holds no books.</source>
        <translation>該收藏中沒有書籍。</translation>
    </message>
    <message>
        <source>The archive cannot be read.</source>
        <translation>無法讀取壓縮檔。</translation>
    </message>
    <message>
        <source>Values repaired or left out: %1</source>
        <translation>已修復或略去的值：%1</translation>
    </message>
    <message>
        <source>Covers: %1</source>
        <translation>封面：%1</translation>
    </message>
    <message>
        <source>%1: text that was not UTF-8 read as Windows-1252.</source>
        <translation>%1：非 UTF-8 的文字已按 Windows-1252 讀取。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid ISBN; kept in the notes.</source>
        <translation>%1：「%2」不是有效的 ISBN；已保留在備註中。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; had lost its leading zero; stored as %3.</source>
        <translation>%1：「%2」遺失了開頭的零；已存為 %3。</translation>
    </message>
    <message>
        <source>ISBN in the imported file: %1</source>
        <translation>匯入檔案中的 ISBN：%1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; left empty.</source>
        <translation>%1：「%2」不是數字；已留空。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; read as %3.</source>
        <translation>%1：「%2」讀作 %3。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a rating; left empty.</source>
        <translation>%1：「%2」不是評分；已留空。</translation>
    </message>
    <message>
        <source>Date added</source>
        <translation>加入日期</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>禮物</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header row has %3</source>
        <translation>第 %1 行有 %2 個欄位，而標題列有 %3 個</translation>
    </message>
    <message>
        <source>Most rows disagree with the header: the file is damaged or not delimited the same way throughout.</source>
        <translation>大多數行與標題列不一致：檔案已損毀，或各處的分隔方式不同。</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>第 %1 行，%2</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is larger than %3; it was left out.</source>
        <translation>%1：封面圖片 %2 大於 %3；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 could not be read.</source>
        <translation>%1：無法讀取封面圖片 %2。</translation>
    </message>
    <message>
        <source>%1: %2 is not a picture; it was left out.</source>
        <translation>%1：%2 不是圖片；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is too large or has too many frames to be shown; it was left out.</source>
        <translation>%1：封面圖片 %2 太大或影格太多，無法顯示；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is not in the folder of the imported file; it was left out.</source>
        <translation>%1：封面圖片 %2 不在匯入檔案所在的資料夾中；已略去。</translation>
    </message>
    <message>
        <source>The cover pictures of this file take %1, more than the disk of the images folder can spare (%2, half of its free space).</source>
        <translation>此檔案的封面圖片佔用 %1，超過了圖片資料夾所在磁碟可以提供的空間（%2，即可用空間的一半）。</translation>
    </message>
    <message>
        <source>Nothing can be written to the images folder %1.</source>
        <translation>無法寫入圖片資料夾 %1。</translation>
    </message>
    <message>
        <source>The cover picture %1 could not be written.</source>
        <translation>無法寫入封面圖片 %1。</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>借給</translation>
    </message>
    <message>
        <source>Loan date</source>
        <translation>借出日期</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>應還日期</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>Number in series</source>
        <translation>系列編號</translation>
    </message>
    <message>
        <source>Readings (days finished)</source>
        <translation>閱讀紀錄（讀完日期）</translation>
    </message>
    <message>
        <source>Date started</source>
        <translation>開始日期</translation>
    </message>
    <message>
        <source>Times read</source>
        <translation>閱讀次數</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date; kept as the reading&apos;s note.</source>
        <translation>「%1」不是日期；已作為該次閱讀的備註保留。</translation>
    </message>
    <message>
        <source>Also in the series: %1</source>
        <translation>也屬於系列：%1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of readings; left out.</source>
        <translation>%1：「%2」不是閱讀次數；已略去。</translation>
    </message>
</context>
<context>
    <name>LanguageTable</name>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
</context>
<context>
    <name>LinkOpenRule</name>
    <message>
        <source>This link is not a web or mail address:
%1

Open it with the program your desktop chooses for it?</source>
        <translation>此連結不是網址或郵件地址：
%1

是否用系統為其指定的預設程式開啟？</translation>
    </message>
</context>
<context>
    <name>LookupSources</name>
    <message>
        <source>Bookstore service</source>
        <translation>書店服務</translation>
    </message>
    <message>
        <source>Bookstore web service:</source>
        <translation>書店網路服務：</translation>
    </message>
    <message>
        <source>Bookstore product pages:</source>
        <translation>書店商品頁面：</translation>
    </message>
    <message>
        <source>Google Books</source>
        <translation>Google Books</translation>
    </message>
    <message>
        <source>Google Books:</source>
        <translation>Google Books：</translation>
    </message>
    <message>
        <source>Library of Congress</source>
        <translation>美國國會圖書館</translation>
    </message>
    <message>
        <source>Library of Congress (SRU):</source>
        <translation>美國國會圖書館（SRU）：</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>Open Library</translation>
    </message>
    <message>
        <source>Open Library:</source>
        <translation>Open Library：</translation>
    </message>
    <message>
        <source>Open Library covers:</source>
        <translation>Open Library 封面：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>The SQL text holds no statement.</source>
        <translation>SQL 文字中沒有語句。</translation>
    </message>
    <message>
        <source>Only one SQL statement can be run at a time.</source>
        <translation>一次只能執行一條 SQL 語句。</translation>
    </message>
</context>
<context>
    <name>SaveConflict</name>
    <message>
        <source>Someone else</source>
        <translation>其他人</translation>
    </message>
    <message>
        <source>%1 deleted this book at %2 while you were editing it.</source>
        <translation>在您編輯這本書時，%1 於 %2 刪除了它。</translation>
    </message>
    <message>
        <source>%1 changed this book at %2 after you opened it.</source>
        <translation>在您開啟這本書之後，%1 於 %2 修改了它。</translation>
    </message>
    <message>
        <source>Save as &amp;New Book</source>
        <translation>另存為新書(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>覆蓋(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>重新載入(&amp;R)</translation>
    </message>
    <message>
        <source>Discard your changes and show the book as %1 saved it?</source>
        <translation>放棄您的修改，顯示 %1 儲存的這本書嗎？</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 is not a server catalogue address (postgresql://user@host:port/database).</source>
        <translation>%1 不是伺服器書庫地址 (postgresql://使用者@主機:埠/資料庫)。</translation>
    </message>
    <message>
        <source>%1 is not a valid address: %2</source>
        <translation>%1 不是有效的地址：%2</translation>
    </message>
    <message>
        <source>Addresses of server catalogues never hold a password; remove it from %1.</source>
        <translation>伺服器書庫的地址中不能包含密碼；請從 %1 中刪除它。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>The address %1 names no database.</source>
        <translation>地址 %1 中沒有指定資料庫。</translation>
    </message>
    <message>
        <source>Unknown TLS mode &quot;%1&quot;; use disable, prefer, require or verify-full.</source>
        <translation>未知的 TLS 模式“%1”；請使用 disable、prefer、require 或 verify-full。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 上的 %1</translation>
    </message>
</context>
<context>
    <name>ServerOpen</name>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>伺服器拒絕了使用者名稱或密碼。</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet. Create one there?</source>
        <translation>%1 中還沒有 Ordoteca 書庫。要在那裡建立一個嗎？</translation>
    </message>
</context>
<context>
    <name>SqlConsole</name>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>SQL 語句不能為空。</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <translation>受影響的記錄數：%1
傳回的記錄集中的記錄數：%2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <extracomment>The interface language, as listed in Options.</extracomment>
        <translation>英文</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>無法以寫入模式開啟檔案。</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>無法建立 XML/XSL DOM 物件。</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>無法載入 XML。</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>無法載入 XSL。</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>操作失敗。請確認以下路徑有效：
%s</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>無法建立資料夾：
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <comment>142</comment>
        <translation>無法下載封面圖片。</translation>
    </message>
    <message>
        <source>Failed to load book info from Amazon.com.</source>
        <comment>143</comment>
        <translation>無法從 Amazon.com 載入書籍資訊。</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <comment>144</comment>
        <translation>Amazon 傳回的錯誤訊息：
%s</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <comment>145</comment>
        <translation>無法下載 HTML 頁面。</translation>
    </message>
    <message>
        <source>No valid ISBN found.</source>
        <comment>147</comment>
        <translation>找不到有效的 ISBN。</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <comment>148</comment>
        <translation>請至少輸入以下一項：書名、作者或出版社。</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <comment>149</comment>
        <translation>無法以讀取模式開啟檔案。</translation>
    </message>
    <message>
        <source>%s is not a valid ISBN. Ignore this one?</source>
        <comment>150</comment>
        <translation>%s 不是有效的 ISBN。是否忽略此項？</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <comment>151</comment>
        <translation>沒有可儲存的內容。</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <comment>152</comment>
        <translation>檔案已儲存。</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <comment>153</comment>
        <translation>發生嚴重錯誤，任務將被取消。</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <comment>154</comment>
        <translation>查詢佇列為空。</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>書名不能為空。</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>請從清單中選擇一項。</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>URL 無效。</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>資料夾不存在。</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <comment>161</comment>
        <translation>找不到有效結果。
注意：電子書已被忽略。</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>分類名稱不能為空。</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>無法建立檔案：
%s</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>連結標題和路徑不能為空。</translation>
    </message>
    <message>
        <source>First page</source>
        <comment>169</comment>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Previous page</source>
        <comment>170</comment>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next page</source>
        <comment>171</comment>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment>172</comment>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>新增分類</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>編輯分類</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>新增書籍</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>編輯書籍</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>新增連結</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>編輯連結</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>選項</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <comment>183</comment>
        <translation>正在從 %s 載入 XML...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <comment>184</comment>
        <translation>正在解析 HTML...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <comment>185</comment>
        <translation>正在下載封面...</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>書名</translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation>版次</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>請從清單中選擇一個資料夾：</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>電子書資料夾</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>原始碼資料夾</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>電子書檔案</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>其他資訊</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>作者網站</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>出版社網站上的本書頁面</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <comment>198</comment>
        <translation>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;歡迎使用 Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <source>Ordoteca Book Information</source>
        <comment>201</comment>
        <translation>Ordoteca 書籍資訊</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>無法將封面圖片複製到以下位置：
%s</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <comment>205</comment>
        <translation>文字檔案 (*.txt)|*.txt|所有檔案 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||</source>
        <comment>206</comment>
        <translation>所有圖片 (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG 檔案 (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF 檔案 (*.gif)|*.gif|Windows 點陣圖 (*.bmp)|*.bmp|PNG 檔案 (*.png)|*.png|所有檔案 (*)|*||</translation>
    </message>
    <message>
        <source>Ordoteca Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Ordoteca 資料庫 (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>HTML 檔案 (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>XML 檔案 (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>所有檔案 (*.*)|*.*|已編譯的 HTML 說明檔 (*.chm)|*.chm|Acrobat PDF 檔案 (*.pdf)|*.pdf|壓縮檔案 (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>精裝</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>平裝</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>未知裝訂</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <extracomment>A medium that comes with the book (lookup value of &quot;Extras&quot;).</extracomment>
        <translation>磁碟片</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>英文</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <extracomment>The top category of the tree: the whole collection.</extracomment>
        <translation>藏書</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <extracomment>Book status: the book is in the owner&apos;s collection.</extracomment>
        <translation>已收藏</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <extracomment>Book status: the owner wants the book.</extracomment>
        <translation>願望清單</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <extracomment>Book status: the book is only consulted, not owned.</extracomment>
        <translation>僅查閱（非自有）</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <extracomment>Book status: the owner sells the book.</extracomment>
        <translation>待售</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>中文</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation>我的最愛</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>搜尋結果</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>閱讀清單</translation>
    </message>
    <message>
        <source>Loading book information from %s...</source>
        <comment>227</comment>
        <translation>正在從 %s 載入書籍資訊...</translation>
    </message>
    <message>
        <source>No book with ISBN %s was found at %s.</source>
        <comment>228</comment>
        <translation>找不到 ISBN 為 %s 的書籍（查詢來源：%s）。</translation>
    </message>
    <message>
        <source>Failed to load book info from %s.</source>
        <comment>229</comment>
        <translation>無法從 %s 載入書籍資訊。</translation>
    </message>
    <message>
        <source>Error message returned from %s:
%s</source>
        <comment>230</comment>
        <translation>%s 傳回的錯誤訊息：
%s</translation>
    </message>
    <message>
        <source>Underline
Underline</source>
        <comment>32788</comment>
        <translation>底線
底線</translation>
    </message>
    <message>
        <source>Italic
Italic</source>
        <comment>32789</comment>
        <translation>斜體
斜體</translation>
    </message>
    <message>
        <source>Bold
Bold</source>
        <comment>32790</comment>
        <translation>粗體
粗體</translation>
    </message>
    <message>
        <source>Left Justify
Left Justify</source>
        <comment>32791</comment>
        <translation>左對齊
左對齊</translation>
    </message>
    <message>
        <source>Center
Center</source>
        <comment>32792</comment>
        <translation>置中
置中</translation>
    </message>
    <message>
        <source>Right Justify
Right Justify</source>
        <comment>32793</comment>
        <translation>右對齊
右對齊</translation>
    </message>
    <message>
        <source>Add Hyperlink
Add Hyperlink</source>
        <comment>32794</comment>
        <translation>新增超連結
新增超連結</translation>
    </message>
    <message>
        <source>Ordered List
Ordered List</source>
        <comment>32795</comment>
        <translation>編號清單
編號清單</translation>
    </message>
    <message>
        <source>Indent
Indent</source>
        <comment>32796</comment>
        <translation>增加縮排
增加縮排</translation>
    </message>
    <message>
        <source>Outdent
Outdent</source>
        <comment>32797</comment>
        <translation>減少縮排
減少縮排</translation>
    </message>
    <message>
        <source>Unordered List
Unordered List</source>
        <comment>32798</comment>
        <translation>項目符號清單
項目符號清單</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode
Switch Design/Preview Mode</source>
        <comment>32799</comment>
        <translation>切換設計/預覽模式
切換設計/預覽模式</translation>
    </message>
    <message>
        <source>Insert Image
Insert image</source>
        <comment>32800</comment>
        <translation>插入圖片
插入圖片</translation>
    </message>
    <message>
        <source>Font
Font</source>
        <comment>32801</comment>
        <translation>字型
字型</translation>
    </message>
    <message>
        <source>Cut
Cut</source>
        <comment>32802</comment>
        <translation>剪下
剪下</translation>
    </message>
    <message>
        <source>Copy
Copy</source>
        <comment>32803</comment>
        <translation>複製
複製</translation>
    </message>
    <message>
        <source>Paste
Paste</source>
        <comment>32804</comment>
        <translation>貼上
貼上</translation>
    </message>
    <message>
        <source>Background Color
Background Color</source>
        <comment>32805</comment>
        <translation>背景顏色
背景顏色</translation>
    </message>
    <message>
        <source>Horizontal Line
Horizontal Line</source>
        <comment>32806</comment>
        <translation>水平線
水平線</translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32807</comment>
        <translation>刪除
刪除</translation>
    </message>
    <message>
        <source>Ordo</source>
        <comment>57344</comment>
        <extracomment>Short name of the program.</extracomment>
        <translation>Ordo</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>按 F1 取得說明</translation>
    </message>
    <message>
        <source>Found at %s.</source>
        <comment>235</comment>
        <extracomment>Status of a looked-up book; %s is the service that knew it (Open Library...).</extracomment>
        <translation>已在 %s 找到。</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>%n 個重複項未儲存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <comment>173</comment>
        <extracomment>%1 is the number of pages, &quot;%n page(s)&quot;.</extracomment>
        <translation>
            <numerusform>共找到 %n 個結果，%1。目前頁碼：%2  （注意：部分電子書可能已被過濾。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <extracomment>What a category contains; %1 is the number of its sub categories, &quot;%n sub category(ies)&quot;.</extracomment>
        <translation>
            <numerusform>%n 本書，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <comment>236</comment>
        <extracomment>The pages of online search results, in &quot;%n result(s) found, %1&quot;.</extracomment>
        <translation>
            <numerusform>共 %n 頁</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sub category(ies)</source>
        <comment>237</comment>
        <extracomment>In &quot;%n book(s), %1&quot;, what a category contains.</extracomment>
        <translation>
            <numerusform>%n 個子分類</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Catalogue manager for a book collection</source>
        <translation>藏書目錄管理程式</translation>
    </message>
    <message>
        <source>The catalogue (.mdb) to open.</source>
        <translation>要開啟的書庫 (.mdb)。</translation>
    </message>
    <message>
        <source>Open the catalogue, report where the program&apos;s files were found, and quit (exit code 0 when everything is there).</source>
        <translation>開啟書庫，報告程式檔案所在的位置，然後結束（一切齊全時結束代碼為 0）。</translation>
    </message>
</context>
</TS>
