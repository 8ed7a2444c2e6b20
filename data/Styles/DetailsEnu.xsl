<?xml version="1.0" encoding="UTF-8"?>
<!--
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
    <html>
      <head>
        <META http-equiv="Content-Type" content="text/html; charset=UTF-16"/>
        <title>Ordoteca Book Information</title>
        <link rel="stylesheet" type="text/css" HREF="ordo.css"/>
      </head>
      <body>
        <div class="ordo-page ordo-details">
          <xsl:apply-templates select="Ordoteca/Book"/>
          <p class="ordo-footer">
            <xsl:value-of select="count(Ordoteca/Book)"/>
            <xsl:choose>
              <xsl:when test="count(Ordoteca/Book) = 1"> book</xsl:when>
              <xsl:otherwise> books</xsl:otherwise>
            </xsl:choose>
            <xsl:if test="string(Ordoteca/@CreationDate) != ''">
              <xsl:text> &#xB7; created </xsl:text>
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
            <xsl:otherwise>Untitled</xsl:otherwise>
          </xsl:choose>
        </h1>
        <xsl:if test="Subtitle">
          <p class="subtitle"><xsl:value-of select="Subtitle"/></p>
        </xsl:if>
        <xsl:if test="Author">
          <p class="author"><span class="by">by </span><xsl:value-of select="Author"/></p>
        </xsl:if>
        <xsl:if test="MyRating or AmazonRating">
          <p class="rating-line">
            <xsl:apply-templates select="MyRating" mode="summary"/>
            <xsl:apply-templates select="AmazonRating" mode="summary"/>
          </p>
        </xsl:if>

        <xsl:call-template name="group">
          <xsl:with-param name="heading">Publication</xsl:with-param>
          <xsl:with-param name="fields"
              select="Edition|ReleaseDate|Publisher|ISBN|PageCount|Language|Binding|Dimension|Extras|Format|BookSize|EbookOnly"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">Purchase</xsl:with-param>
          <xsl:with-param name="fields" select="PurchaseDate|Store|PurchasePrice|ListPrice|AmazonPrice"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">My copy</xsl:with-param>
          <xsl:with-param name="fields" select="Location|Status|CurrentPage|MyRating|UserText1|UserText2"/>
        </xsl:call-template>
        <xsl:call-template name="group">
          <xsl:with-param name="heading">Online</xsl:with-param>
          <xsl:with-param name="fields" select="AmazonRating|NumOfReviews|URL"/>
        </xsl:call-template>
      </div>

      <xsl:if test="Description">
        <div class="section description">
          <h2>Description</h2>
          <div class="html-text"><xsl:value-of select="Description" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>
      <xsl:if test="Notes">
        <div class="section notes">
          <h2>Notes</h2>
          <div class="html-text"><xsl:value-of select="Notes" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>
      <xsl:if test="Links/Link">
        <div class="section links">
          <h2>Related links</h2>
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
  <xsl:template match="Edition" mode="label">Edition</xsl:template>
  <xsl:template match="ReleaseDate" mode="label">Released</xsl:template>
  <xsl:template match="Publisher" mode="label">Publisher</xsl:template>
  <xsl:template match="ISBN" mode="label">ISBN</xsl:template>
  <xsl:template match="PageCount" mode="label">Pages</xsl:template>
  <xsl:template match="Language" mode="label">Language</xsl:template>
  <xsl:template match="Binding" mode="label">Binding</xsl:template>
  <xsl:template match="Dimension" mode="label">Dimensions</xsl:template>
  <xsl:template match="Extras" mode="label">Extras</xsl:template>
  <xsl:template match="Format" mode="label">eBook format</xsl:template>
  <xsl:template match="BookSize" mode="label">eBook size</xsl:template>
  <xsl:template match="EbookOnly" mode="label">eBook only</xsl:template>
  <xsl:template match="PurchaseDate" mode="label">Purchased</xsl:template>
  <xsl:template match="Store" mode="label">Store</xsl:template>
  <xsl:template match="PurchasePrice" mode="label">Price paid</xsl:template>
  <xsl:template match="ListPrice" mode="label">List price</xsl:template>
  <xsl:template match="AmazonPrice" mode="label">Amazon price</xsl:template>
  <xsl:template match="Location" mode="label">Location</xsl:template>
  <xsl:template match="Status" mode="label">Status</xsl:template>
  <xsl:template match="CurrentPage" mode="label">Current page</xsl:template>
  <xsl:template match="MyRating" mode="label">My rating</xsl:template>
  <xsl:template match="UserText1" mode="label">User text 1</xsl:template>
  <xsl:template match="UserText2" mode="label">User text 2</xsl:template>
  <xsl:template match="AmazonRating" mode="label">Amazon rating</xsl:template>
  <xsl:template match="NumOfReviews" mode="label">Reviews</xsl:template>
  <xsl:template match="URL" mode="label">Web page</xsl:template>

  <!-- Values -->
  <xsl:template match="*" mode="value"><xsl:value-of select="."/></xsl:template>

  <xsl:template match="PurchasePrice|ListPrice|AmazonPrice" mode="value">
    <xsl:choose>
      <xsl:when test="number(.) = number(.)"><xsl:value-of select="format-number(., '#,##0.00')"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="BookSize" mode="value">
    <xsl:choose>
      <xsl:when test="number(.) = number(.)"><xsl:value-of select="format-number(., '#,##0.##')"/> MB</xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="PageCount|CurrentPage|NumOfReviews" mode="value">
    <xsl:choose>
      <xsl:when test="number(.) = number(.)"><xsl:value-of select="format-number(., '#,##0')"/></xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

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
        <span class="rating-number"><xsl:value-of select="format-number(., '0.0')"/></span>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="."/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template match="URL" mode="value">
    <a ordohref="{.}" class="web-link"><xsl:value-of select="."/></a>
  </xsl:template>

  <!-- The ratings again, beside the title. -->
  <xsl:template match="MyRating" mode="summary">
    <span class="rating mine" title="My rating">
      <xsl:call-template name="stars">
        <xsl:with-param name="rating" select="number(.)"/>
      </xsl:call-template>
      <span class="rating-caption">mine</span>
    </span>
  </xsl:template>

  <xsl:template match="AmazonRating" mode="summary">
    <xsl:if test="number(.) = number(.)">
      <span class="rating amazon" title="Amazon rating">
        <xsl:call-template name="stars">
          <xsl:with-param name="rating" select="round(number(.))"/>
        </xsl:call-template>
        <span class="rating-caption">
          <xsl:value-of select="format-number(., '0.0')"/>
          <xsl:if test="../NumOfReviews">
            <xsl:text> from </xsl:text>
            <xsl:value-of select="../NumOfReviews"/>
            <xsl:text> reviews</xsl:text>
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
    <span class="stars" title="{$lit} of 5">
      <span class="star-on"><xsl:value-of select="substring($starGlyphs, 1, $lit)"/></span>
      <span class="star-off"><xsl:value-of select="substring($starGlyphs, 1, 5 - $lit)"/></span>
    </span>
  </xsl:template>

  <xsl:template match="FrontCover|BackCover" mode="cover">
    <a ordohref="ordocover://{.}" class="cover-link {local-name()}" title="Open the picture">
      <img ordosrc="{.}" class="cover {local-name()}">
        <xsl:attribute name="alt">
          <xsl:choose>
            <xsl:when test="self::FrontCover">Front cover</xsl:when>
            <xsl:otherwise>Back cover</xsl:otherwise>
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
          <xsl:otherwise>Link <xsl:value-of select="LinkID"/></xsl:otherwise>
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
