# Shared by the browser forensic test: a Chrome and a Firefox profile whose cookies, history,
# site data and cache carry markers. "VLXMARK-gone-<store>" marks what Clean must leave nowhere
# on the disk, "VLXMARK-kept-<store>" a kept site's data, "VLXMARK-mixed-<store>" data in a
# store that mixes sites. The databases have the tables the native tests use
# (tests/browsers/browser_schemas.h), read from that header. Source it; SCHEMAS names the header.
KEPT_SITE=kept.example
GONE_SITES=12

# The text of one schema constant of the header.
schema() {
  local text
  text=$(awk -v name="$1" 'index($0, name " = R\"(") {on = 1; next} on && /^\)";/ {exit} on' "$SCHEMAS")
  [[ -n $text ]] || fail "no schema $1 in $SCHEMAS"
  printf '%s\n' "$text"
}

# Rows 1..$1: every tenth is the kept site's, the others spread over the gone sites, so the
# pages of a database mix both. In SQL: site(i), kind(i) are columns of `n`.
rows() {
  echo "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $1),
        s AS (SELECT i, CASE WHEN i % 10 = 0 THEN '$KEPT_SITE' ELSE 'gone-' || (i % $GONE_SITES + 1) || '.example' END
                          AS site, CASE WHEN i % 10 = 0 THEN 'kept' ELSE 'gone' END AS kind FROM n)"
}
# Every row of history is gone, whatever its site.
gone_rows() { echo "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $1)"; }
mark() { echo "'VLXMARK-' || $1 || '-$2-' || i || '-' || hex(randomblob(40))"; }

database() {  # file sql...
  mkdir -p "$(dirname "$1")"
  local file=$1
  shift
  printf '%s\n' "$@" | sqlite3 -bail "$file" >/dev/null || fail "seeding $file"
}

# A file of a store the cleaning deletes whole: its marker repeated to $3 bytes.
marked_file() {  # path marker bytes
  mkdir -p "$(dirname "$1")"
  head -c "$3" < <(yes "$2") >"$1"
}

# One file in each site's folder of a per-origin store; "@" in the path stands for the site.
origin_files() {  # path marker-kind
  local k
  for k in $(seq 1 $GONE_SITES); do marked_file "${1//@/gone-$k.example}" "VLXMARK-gone-$2-$k" 9000; done
  marked_file "${1//@/$KEPT_SITE}" "VLXMARK-kept-$2" 9000
}

seed_chrome() {  # user-data folder
  local ud=$1 p=$1/Default
  mkdir -p "$p"
  printf '%s' '{"profile":{"info_cache":{"Default":{"name":"Person 1"}}}}' >"$ud/Local State"
  database "$p/Network/Cookies" "$(schema kChromiumCookiesSchema)" "$(rows 400)
    INSERT INTO cookies SELECT 13300000000000000 + i, '.' || site, '', 'c' || i, $(mark kind cookie),
      CAST($(mark kind enc) AS BLOB), '/', 13400000000000000, 1, 0, 13300000000000000, 1, 1, 1, 0, 2, 443,
      13300000000000000, 0, 0 FROM s;"
  database "$p/History" "$(schema kChromiumHistorySchema)" "$(schema kChromiumHistoryNewerSchema)" "$(gone_rows 500)
    INSERT INTO urls SELECT i, 'https://gone-' || (i % $GONE_SITES + 1) || '.example/' || $(mark "'gone'" url),
      $(mark "'gone'" title), 1, 0, 13300000000000000 + i, 0 FROM n;
    $(gone_rows 500) INSERT INTO visits(id, url, visit_time, external_referrer_url)
      SELECT i, i, 13300000000000000 + i, $(mark "'gone'" referrer) FROM n;
    $(gone_rows 100) INSERT INTO keyword_search_terms SELECT 1, i, $(mark "'gone'" term), $(mark "'gone'" term) FROM n;
    $(gone_rows 100) INSERT INTO segments SELECT i, $(mark "'gone'" segment), i FROM n;
    $(gone_rows 100) INSERT INTO content_annotations(visit_id, annotation_flags, search_terms, has_url_keyed_image)
      SELECT i, 0, $(mark "'gone'" annotation), 0 FROM n;
    $(gone_rows 100) INSERT INTO clusters_and_visits(cluster_id, visit_id, url_for_deduping, normalized_url,
      url_for_display) SELECT 1, i, $(mark "'gone'" cluster), '', '' FROM n;
    $(gone_rows 100) INSERT INTO visited_links(link_url_id, top_level_url, frame_url)
      SELECT i, $(mark "'gone'" visited), '' FROM n;"
  database "$p/Favicons" "$(schema kChromiumFaviconsSchema)" "$(gone_rows 200)
    INSERT INTO favicons SELECT i, 'https://gone-' || (i % $GONE_SITES + 1) || '.example/favicon.ico', 1 FROM n;
    $(gone_rows 200) INSERT INTO icon_mapping SELECT i, $(mark "'gone'" iconpage), i, 0 FROM n;
    $(gone_rows 200) INSERT INTO favicon_bitmaps(id, icon_id, image_data) SELECT i, i, CAST($(mark "'gone'" icon) AS BLOB) FROM n;"
  marked_file "$p/Visited Links" VLXMARK-gone-visitedlinks 20000
  marked_file "$p/Network/TransportSecurity" VLXMARK-gone-hsts 6000
  marked_file "$p/Network/Network Persistent State" VLXMARK-gone-netstate 6000
  marked_file "$p/Cache/Cache_Data/f_000001" VLXMARK-gone-cache 40000
  origin_files "$p/IndexedDB/https_@_0.indexeddb.leveldb/000003.log" idb
  marked_file "$p/Local Storage/leveldb/000003.log" VLXMARK-mixed-localstorage 30000
  marked_file "$p/Session Storage/000003.log" VLXMARK-mixed-sessionstorage 8000
  marked_file "$p/Service Worker/Database/000003.log" VLXMARK-mixed-serviceworker 8000
}

seed_firefox() {  # roaming Firefox folder, local Firefox folder
  local p=$1/Profiles/vlx.default cache=$2/Profiles/vlx.default/cache2
  mkdir -p "$p"
  printf '[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/vlx.default\r\nDefault=1\r\n' >"$1/profiles.ini"
  # Firefox keeps its cookies in WAL mode, as it does its places.
  database "$p/cookies.sqlite" "$(schema kFirefoxCookiesSchema)" "PRAGMA journal_mode=WAL;" "$(rows 400)
    INSERT INTO moz_cookies SELECT i, '', 'c' || i, $(mark kind cookie), '.' || site, '/', 1900000000, 0, 0, 1, 0,
      0, 0, 0, 2, 0 FROM s;"
  database "$p/places.sqlite" "$(schema kFirefoxPlacesSchema)" "$(schema kFirefoxPlacesNewerSchema)" "$(gone_rows 500)
    INSERT INTO moz_places(id, url, title, rev_host, visit_count, guid, url_hash)
      SELECT i, 'https://gone-' || (i % $GONE_SITES + 1) || '.example/' || $(mark "'gone'" url), $(mark "'gone'" title),
      'elpmaxe.', 1, 'guid' || i, i FROM n;
    $(gone_rows 500) INSERT INTO moz_historyvisits(id, place_id, visit_date, visit_type) SELECT i, i, i, 1 FROM n;
    $(gone_rows 100) INSERT INTO moz_inputhistory SELECT i, $(mark "'gone'" input), 1 FROM n;
    $(gone_rows 100) INSERT INTO moz_places_metadata_search_queries SELECT i, $(mark "'gone'" query) FROM n;
    $(gone_rows 100) INSERT INTO moz_places_metadata(place_id, search_query_id) SELECT i, i FROM n;
    INSERT INTO moz_anno_attributes VALUES (1, 'downloads/destinationFileURI');
    $(gone_rows 100) INSERT INTO moz_annos(place_id, anno_attribute_id, content)
      SELECT i, 1, 'file:///' || $(mark "'gone'" download) FROM n;"
  database "$p/favicons.sqlite" "$(schema kFirefoxFaviconsSchema)" "$(gone_rows 200)
    INSERT INTO moz_pages_w_icons SELECT i, $(mark "'gone'" iconpage), i FROM n;
    $(gone_rows 200) INSERT INTO moz_icons(id, icon_url, fixed_icon_url_hash, data)
      SELECT i, 'https://gone-' || (i % $GONE_SITES + 1) || '.example/i.png', i, CAST($(mark "'gone'" icon) AS BLOB) FROM n;
    $(gone_rows 200) INSERT INTO moz_icons_to_pages(page_id, icon_id) SELECT i, i FROM n;"
  marked_file "$p/SiteSecurityServiceState.bin" VLXMARK-gone-ffhsts 6000
  marked_file "$p/webappsstore.sqlite" VLXMARK-mixed-webappsstore 20000
  origin_files "$p/storage/default/https+++@/ls/data.sqlite" ffstorage
  marked_file "$cache/entries/0A1B2C3D" VLXMARK-gone-ffcache 40000
}
