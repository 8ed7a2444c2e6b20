<?xml version="1.0" encoding="UTF-8"?>
<!--
  Master of the List<Code>.xsl templates: the build writes one copy per
  interface language, with every label key (a name between double at signs) replaced from
  labels/<Code>.txt.

  Ordoteca content template: the selected books as one compact table, one
  row per book, with every other field behind a "More" disclosure.

  Picture sources and link targets are written as "ordosrc" and "ordohref"
  and must be the first attribute of their img or a element: the program
  turns "<img ordosrc=" and "<a ordohref=" into real attributes. The output
  encoding is UTF-16 so that the META line below is kept as written; the
  program reads the result as text and Save As HTML replaces that line with
  its UTF-8 form and HREF="ordo.css"> with the chosen style.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-16" indent="yes"/>

  <xsl:variable name="starGlyphs">&#x2605;&#x2605;&#x2605;&#x2605;&#x2605;</xsl:variable>

  <xsl:template match="/">
    <html lang="@@lang@@">
      <head>
        <META http-equiv="Content-Type" content="text/html; charset=UTF-16"/>
        <title>@@pageTitle@@</title>
        <link rel="stylesheet" type="text/css" HREF="ordo.css"/>
      </head>
      <body>
        <div class="ordo-page ordo-compact">
          <table class="book-table">
            <thead>
              <tr>
                <th class="col-cover"><span class="hidden-label">@@cover@@</span></th>
                <th class="col-title">@@title@@</th>
                <th class="col-author">@@author@@</th>
                <th class="col-publisher">@@labelPublisher@@</th>
                <th class="col-date">@@labelReleaseDate@@</th>
                <th class="col-isbn">@@labelISBN@@</th>
                <th class="col-status">@@labelStatus@@</th>
                <th class="col-rating">@@rating@@</th>
              </tr>
            </thead>
            <xsl:apply-templates select="Ordoteca/Book"/>
          </table>
          <p class="ordo-footer">
            <xsl:value-of select="count(Ordoteca/Book)"/>
            <xsl:choose>
              <xsl:when test="count(Ordoteca/Book) = 1"> @@bookSingular@@</xsl:when>
              <xsl:otherwise> @@bookPlural@@</xsl:otherwise>
            </xsl:choose>
            <xsl:if test="string(Ordoteca/@CreationDate) != ''">
              <xsl:text> &#xB7; @@created@@ </xsl:text>
              <xsl:value-of select="Ordoteca/@CreationDate"/>
            </xsl:if>
          </p>
        </div>
      </body>
    </html>
  </xsl:template>

  <!-- One tbody per book keeps its two rows together for striping. -->
  <xsl:template match="Book">
    <tbody class="book-rows">
      <tr class="book-row">
        <td class="col-cover" rowspan="2">
          <xsl:apply-templates select="FrontCover" mode="cover"/>
        </td>
        <td class="col-title">
          <span class="title">
            <xsl:choose>
              <xsl:when test="Title"><xsl:value-of select="Title"/></xsl:when>
              <xsl:otherwise>@@untitled@@</xsl:otherwise>
            </xsl:choose>
          </span>
          <xsl:if test="Subtitle">
            <span class="subtitle"><xsl:value-of select="Subtitle"/></span>
          </xsl:if>
        </td>
        <td class="col-author"><xsl:value-of select="Author"/>
          <xsl:apply-templates select="Loans/Loan[@Current]" mode="line"/>
        </td>
        <td class="col-publisher"><xsl:value-of select="Publisher"/></td>
        <td class="col-date"><xsl:apply-templates select="ReleaseDate" mode="value"/></td>
        <td class="col-isbn"><xsl:value-of select="ISBN"/></td>
        <td class="col-status"><xsl:value-of select="Status"/></td>
        <td class="col-rating">
          <xsl:if test="MyRating">
            <xsl:call-template name="stars">
              <xsl:with-param name="rating" select="number(MyRating)"/>
            </xsl:call-template>
          </xsl:if>
        </td>
      </tr>
      <tr class="more-row">
        <td colspan="7">
          <details class="more">
            <summary>@@more@@</summary>
            <div class="more-body">
              <dl class="fields">
                <xsl:apply-templates mode="row"
                    select="Series|SeriesNumber|Edition|PageCount|Language|Binding|Dimension|Extras|Format|BookSize|EbookOnly|PurchaseDate|DateAdded|ReadingState|TimesRead|LastRead|Store|PurchasePrice|ListPrice|AmazonPrice|Location|CurrentPage|AmazonRating|NumOfReviews|UserText1|UserText2|URL|BackCover"/>
              </dl>
              <xsl:if test="Description">
                <div class="section description">
                  <h2>@@description@@</h2>
                  <div class="html-text"><xsl:value-of select="Description" disable-output-escaping="yes"/></div>
                </div>
              </xsl:if>
              <xsl:if test="Notes">
                <div class="section notes">
                  <h2>@@notes@@</h2>
                  <div class="html-text"><xsl:value-of select="Notes" disable-output-escaping="yes"/></div>
                </div>
              </xsl:if>
              <xsl:if test="Links/Link">
                <div class="section links">
                  <h2>@@relatedLinks@@</h2>
                  <ul class="link-list">
                    <xsl:apply-templates select="Links/Link"/>
                  </ul>
                </div>
              </xsl:if>
            </div>
          </details>
        </td>
      </tr>
    </tbody>
  </xsl:template>

  <xsl:template match="*" mode="row">
    <dt><xsl:apply-templates select="." mode="label"/></dt>
    <dd class="{local-name()}"><xsl:apply-templates select="." mode="value"/></dd>
  </xsl:template>

  <!-- Labels -->
  <xsl:template match="*" mode="label"><xsl:value-of select="local-name()"/></xsl:template>
  <xsl:template match="Edition" mode="label">@@labelEdition@@</xsl:template>
  <xsl:template match="PageCount" mode="label">@@labelPageCount@@</xsl:template>
  <xsl:template match="Language" mode="label">@@labelLanguage@@</xsl:template>
  <xsl:template match="Binding" mode="label">@@labelBinding@@</xsl:template>
  <xsl:template match="Dimension" mode="label">@@labelDimension@@</xsl:template>
  <xsl:template match="Extras" mode="label">@@labelExtras@@</xsl:template>
  <xsl:template match="Format" mode="label">@@labelFormat@@</xsl:template>
  <xsl:template match="BookSize" mode="label">@@labelBookSize@@</xsl:template>
  <xsl:template match="EbookOnly" mode="label">@@labelEbookOnly@@</xsl:template>
  <xsl:template match="PurchaseDate" mode="label">@@labelPurchaseDate@@</xsl:template>
  <xsl:template match="DateAdded" mode="label">@@labelDateAdded@@</xsl:template>
  <xsl:template match="Series" mode="label">@@labelSeries@@</xsl:template>
  <xsl:template match="SeriesNumber" mode="label">@@labelSeriesNumber@@</xsl:template>
  <xsl:template match="ReadingState" mode="label">@@labelReadingState@@</xsl:template>
  <xsl:template match="TimesRead" mode="label">@@labelTimesRead@@</xsl:template>
  <xsl:template match="LastRead" mode="label">@@labelLastRead@@</xsl:template>
  <xsl:template match="Store" mode="label">@@labelStore@@</xsl:template>
  <xsl:template match="PurchasePrice" mode="label">@@labelPurchasePrice@@</xsl:template>
  <xsl:template match="ListPrice" mode="label">@@labelListPrice@@</xsl:template>
  <xsl:template match="AmazonPrice" mode="label">@@labelAmazonPrice@@</xsl:template>
  <xsl:template match="Location" mode="label">@@labelLocation@@</xsl:template>
  <xsl:template match="CurrentPage" mode="label">@@labelCurrentPage@@</xsl:template>
  <xsl:template match="AmazonRating" mode="label">@@labelAmazonRating@@</xsl:template>
  <xsl:template match="NumOfReviews" mode="label">@@labelNumOfReviews@@</xsl:template>
  <xsl:template match="UserText1" mode="label">@@labelUserText1@@</xsl:template>
  <xsl:template match="UserText2" mode="label">@@labelUserText2@@</xsl:template>
  <xsl:template match="URL" mode="label">@@labelURL@@</xsl:template>
  <xsl:template match="BackCover" mode="label">@@labelBackCover@@</xsl:template>

  <!-- Values -->
  <xsl:template match="*" mode="value"><xsl:value-of select="."/></xsl:template>

@@include:Values@@

  <xsl:template match="AmazonRating" mode="value">
    <xsl:choose>
      <xsl:when test="number(.) = number(.)">
        <xsl:call-template name="stars">
          <xsl:with-param name="rating" select="round(number(.))"/>
        </xsl:call-template>
        <span class="rating-number"><xsl:call-template name="rating-number"><xsl:with-param name="rating" select="."/></xsl:call-template></span>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="URL" mode="value">
    <a ordohref="{.}" class="web-link"><xsl:value-of select="."/></a>
  </xsl:template>

  <xsl:template match="BackCover" mode="value">
    <xsl:apply-templates select="." mode="cover"/>
  </xsl:template>

  <!-- Five stars, the first "rating" of them lit. -->
  <xsl:template name="stars">
    <xsl:param name="rating"/>
    <xsl:variable name="lit">
      <xsl:choose>
        <xsl:when test="$rating &gt; 5">5</xsl:when>
        <xsl:when test="$rating &gt;= 0">
          <xsl:value-of select="floor($rating)"/>
        </xsl:when>
        <xsl:otherwise>0</xsl:otherwise>
      </xsl:choose>
    </xsl:variable>
    <span class="stars" title="@@starsOf5@@">
      <span class="star-on"><xsl:value-of select="substring($starGlyphs, 1, $lit)"/></span>
      <span class="star-off"><xsl:value-of select="substring($starGlyphs, 1, 5 - $lit)"/></span>
    </span>
  </xsl:template>

  <xsl:template match="FrontCover|BackCover" mode="cover">
    <a ordohref="ordocover://{.}" class="cover-link {local-name()}" title="@@openPicture@@">
      <img ordosrc="{.}" class="cover thumb {local-name()}">
        <xsl:attribute name="alt">
          <xsl:choose>
            <xsl:when test="self::FrontCover">@@frontCover@@</xsl:when>
            <xsl:otherwise>@@labelBackCover@@</xsl:otherwise>
          </xsl:choose>
        </xsl:attribute>
      </img>
    </a>
  </xsl:template>

  <xsl:template match="Link">
    <li>
      <a ordohref="ordolink://{LinkID}" class="related-link">
        <xsl:choose>
          <xsl:when test="Title"><xsl:value-of select="Title"/></xsl:when>
          <xsl:when test="Path"><xsl:value-of select="Path"/></xsl:when>
          <xsl:otherwise>@@link@@ <xsl:value-of select="LinkID"/></xsl:otherwise>
        </xsl:choose>
      </a>
      <xsl:if test="Title and Path">
        <span class="link-path"><xsl:value-of select="Path"/></span>
      </xsl:if>
      <xsl:if test="Notes">
        <span class="link-notes"><xsl:value-of select="Notes"/></span>
      </xsl:if>
    </li>
  </xsl:template>
</xsl:stylesheet>
