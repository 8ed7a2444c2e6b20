<?xml version="1.0" encoding="UTF-8"?>
<!--
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
    <html>
      <head>
        <META http-equiv="Content-Type" content="text/html; charset=UTF-16"/>
        <title>Ordoteca Book Information</title>
        <link rel="stylesheet" type="text/css" HREF="ordo.css"/>
      </head>
      <body>
        <div class="ordo-page ordo-compact">
          <table class="book-table">
            <thead>
              <tr>
                <th class="col-cover"><span class="hidden-label">Cover</span></th>
                <th class="col-title">Title</th>
                <th class="col-author">Author</th>
                <th class="col-publisher">Publisher</th>
                <th class="col-date">Released</th>
                <th class="col-isbn">ISBN</th>
                <th class="col-status">Status</th>
                <th class="col-rating">Rating</th>
              </tr>
            </thead>
            <xsl:apply-templates select="Ordoteca/Book"/>
          </table>
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
              <xsl:otherwise>Untitled</xsl:otherwise>
            </xsl:choose>
          </span>
          <xsl:if test="Subtitle">
            <span class="subtitle"><xsl:value-of select="Subtitle"/></span>
          </xsl:if>
        </td>
        <td class="col-author"><xsl:value-of select="Author"/></td>
        <td class="col-publisher"><xsl:value-of select="Publisher"/></td>
        <td class="col-date"><xsl:value-of select="ReleaseDate"/></td>
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
            <summary>More</summary>
            <div class="more-body">
              <dl class="fields">
                <xsl:apply-templates mode="row"
                    select="Edition|PageCount|Language|Binding|Dimension|Extras|Format|BookSize|EbookOnly|PurchaseDate|Store|PurchasePrice|ListPrice|AmazonPrice|Location|CurrentPage|AmazonRating|NumOfReviews|UserText1|UserText2|URL|BackCover"/>
              </dl>
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
  <xsl:template match="Edition" mode="label">Edition</xsl:template>
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
  <xsl:template match="CurrentPage" mode="label">Current page</xsl:template>
  <xsl:template match="AmazonRating" mode="label">Amazon rating</xsl:template>
  <xsl:template match="NumOfReviews" mode="label">Reviews</xsl:template>
  <xsl:template match="UserText1" mode="label">User text 1</xsl:template>
  <xsl:template match="UserText2" mode="label">User text 2</xsl:template>
  <xsl:template match="URL" mode="label">Web page</xsl:template>
  <xsl:template match="BackCover" mode="label">Back cover</xsl:template>

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
    <span class="stars" title="{$lit} of 5">
      <span class="star-on"><xsl:value-of select="substring($starGlyphs, 1, $lit)"/></span>
      <span class="star-off"><xsl:value-of select="substring($starGlyphs, 1, 5 - $lit)"/></span>
    </span>
  </xsl:template>

  <xsl:template match="FrontCover|BackCover" mode="cover">
    <a ordohref="ordocover://{.}" class="cover-link {local-name()}" title="Open the picture">
      <img ordosrc="{.}" class="cover thumb {local-name()}">
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
