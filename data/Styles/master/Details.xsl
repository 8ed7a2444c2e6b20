<?xml version="1.0" encoding="UTF-8"?>
<!--
  Master of the Details<Code>.xsl templates: the build writes one copy per
  interface language, with every label key (a name between double at signs) replaced from
  labels/<Code>.txt.

  Ordoteca content template: one detailed page per book.

  Reads the book XML document (root Ordoteca, one Book element per selected
  book). Picture sources and link targets are written as "ordosrc" and
  "ordohref" and must be the first attribute of their img or a element: the
  program turns "<img ordosrc=" and "<a ordohref=" into real attributes.
  The output encoding is UTF-16 so that the META line below is kept as
  written; the program reads the result as text and Save As HTML replaces
  that line with its UTF-8 form and HREF="ordo.css"> with the chosen style.
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
        <div class="ordo-page ordo-details">
          <xsl:apply-templates select="Ordoteca/Book"/>
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

  <xsl:template match="Book">
    <div class="book">
      <xsl:if test="FrontCover or BackCover">
        <div class="covers">
          <xsl:apply-templates select="FrontCover|BackCover" mode="cover"/>
        </div>
      </xsl:if>
      <div class="book-main">
        <h1 class="title">
          <xsl:choose>
            <xsl:when test="Title"><xsl:value-of select="Title"/></xsl:when>
            <xsl:otherwise>@@untitled@@</xsl:otherwise>
          </xsl:choose>
        </h1>
        <xsl:if test="Subtitle">
          <p class="subtitle"><xsl:value-of select="Subtitle"/></p>
        </xsl:if>
        <xsl:if test="Author">
          <p class="author"><span class="by">@@by@@ </span><xsl:value-of select="Author"/></p>
        </xsl:if>
        <xsl:apply-templates select="Loans/Loan[@Current]" mode="line"/>
        <xsl:if test="MyRating or AmazonRating">
          <p class="rating-line">
            <xsl:apply-templates select="MyRating" mode="summary"/>
            <xsl:apply-templates select="AmazonRating" mode="summary"/>
          </p>
        </xsl:if>

        <xsl:call-template name="group">
          <xsl:with-param name="heading">@@headingPublication@@</xsl:with-param>
          <xsl:with-param name="fields"
              select="Series|SeriesNumber|Edition|ReleaseDate|Publisher|ISBN|PageCount|Language|Binding|Dimension|Extras|Format|BookSize|EbookOnly"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">@@headingReading@@</xsl:with-param>
          <xsl:with-param name="fields" select="ReadingState|TimesRead|LastRead"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">@@headingPurchase@@</xsl:with-param>
          <xsl:with-param name="fields" select="PurchaseDate|DateAdded|Store|PurchasePrice|ListPrice|AmazonPrice"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">@@headingMyCopy@@</xsl:with-param>
          <xsl:with-param name="fields" select="Location|Status|CurrentPage|MyRating|UserText1|UserText2"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">@@headingOnline@@</xsl:with-param>
          <xsl:with-param name="fields" select="AmazonRating|NumOfReviews|URL"/>
        </xsl:call-template>
      </div>

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
  </xsl:template>

  <!-- A labelled group of fields; left out when the book has none of them. -->
  <xsl:template name="group">
    <xsl:param name="heading"/>
    <xsl:param name="fields"/>
    <xsl:if test="$fields">
      <div class="field-group">
        <h2><xsl:value-of select="$heading"/></h2>
        <dl class="fields">
          <xsl:apply-templates select="$fields" mode="row"/>
        </dl>
      </div>
    </xsl:if>
  </xsl:template>

  <xsl:template match="*" mode="row">
    <dt><xsl:apply-templates select="." mode="label"/></dt>
    <dd class="{local-name()}"><xsl:apply-templates select="." mode="value"/></dd>
  </xsl:template>

  <!-- Labels -->
  <xsl:template match="*" mode="label"><xsl:value-of select="local-name()"/></xsl:template>
  <xsl:template match="Edition" mode="label">@@labelEdition@@</xsl:template>
  <xsl:template match="ReleaseDate" mode="label">@@labelReleaseDate@@</xsl:template>
  <xsl:template match="Publisher" mode="label">@@labelPublisher@@</xsl:template>
  <xsl:template match="ISBN" mode="label">@@labelISBN@@</xsl:template>
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
  <xsl:template match="Status" mode="label">@@labelStatus@@</xsl:template>
  <xsl:template match="CurrentPage" mode="label">@@labelCurrentPage@@</xsl:template>
  <xsl:template match="MyRating" mode="label">@@labelMyRating@@</xsl:template>
  <xsl:template match="UserText1" mode="label">@@labelUserText1@@</xsl:template>
  <xsl:template match="UserText2" mode="label">@@labelUserText2@@</xsl:template>
  <xsl:template match="AmazonRating" mode="label">@@labelAmazonRating@@</xsl:template>
  <xsl:template match="NumOfReviews" mode="label">@@labelNumOfReviews@@</xsl:template>
  <xsl:template match="URL" mode="label">@@labelURL@@</xsl:template>

  <!-- Values -->
  <xsl:template match="*" mode="value"><xsl:value-of select="."/></xsl:template>

@@include:Values@@

  <xsl:template match="MyRating" mode="value">
    <xsl:call-template name="stars">
      <xsl:with-param name="rating" select="number(.)"/>
    </xsl:call-template>
  </xsl:template>

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

  <!-- The ratings again, beside the title. -->
  <xsl:template match="MyRating" mode="summary">
    <span class="rating mine" title="@@labelMyRating@@">
      <xsl:call-template name="stars">
        <xsl:with-param name="rating" select="number(.)"/>
      </xsl:call-template>
      <span class="rating-caption">@@mine@@</span>
    </span>
  </xsl:template>

  <xsl:template match="AmazonRating" mode="summary">
    <xsl:if test="number(.) = number(.)">
      <span class="rating amazon" title="@@labelAmazonRating@@">
        <xsl:call-template name="stars">
          <xsl:with-param name="rating" select="round(number(.))"/>
        </xsl:call-template>
        <span class="rating-caption">
          <xsl:call-template name="rating-number"><xsl:with-param name="rating" select="."/></xsl:call-template>
          <xsl:if test="../NumOfReviews">
            <xsl:text> @@from@@ </xsl:text>
            <xsl:apply-templates select="../NumOfReviews" mode="value"/>
            <xsl:text> @@reviews@@</xsl:text>
          </xsl:if>
        </span>
      </span>
    </xsl:if>
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
      <img ordosrc="{.}" class="cover {local-name()}">
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
