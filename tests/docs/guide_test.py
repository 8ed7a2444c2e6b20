#!/usr/bin/env python3
"""The user guide holds together: every link between its pages and to an
anchor resolves, every picture it names exists (and every picture is used),
and the contents page reaches every page.
Usage: guide_test.py DOCS_DIR"""
import os
import sys
import urllib.parse
from html.parser import HTMLParser


class Page(HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids = set()
        self.links = []
        self.images = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if 'id' in a:
            self.ids.add(a['id'])
        if tag == 'a' and 'href' in a:
            self.links.append(a['href'])
        if tag == 'link' and 'href' in a:
            self.links.append(a['href'])
        if tag == 'img':
            if not a.get('alt'):
                self.images.append((a.get('src', ''), 'no alt text'))
            self.images.append((a.get('src', ''), None))


def main(docs):
    pages = {}
    for name in sorted(os.listdir(docs)):
        if name.endswith('.html'):
            page = Page()
            with open(os.path.join(docs, name), encoding='utf-8') as f:
                page.feed(f.read())
            pages[name] = page

    errors = []
    used_images = set()
    linked = set()
    for name, page in pages.items():
        for href in page.links:
            url = urllib.parse.urlsplit(href)
            if url.scheme in ('http', 'https', 'mailto'):
                continue
            if url.scheme:
                errors.append(f'{name}: unexpected link {href}')
                continue
            target = urllib.parse.unquote(url.path) or name
            if not os.path.isfile(os.path.join(docs, target)):
                errors.append(f'{name}: link to missing {target}')
                continue
            linked.add((name, target))
            if url.fragment:
                if target not in pages or url.fragment not in pages[target].ids:
                    errors.append(f'{name}: link to missing anchor {target}#{url.fragment}')
        for src, problem in page.images:
            if problem:
                errors.append(f'{name}: picture {src}: {problem}')
                continue
            path = os.path.normpath(os.path.join(docs, urllib.parse.unquote(src)))
            if not os.path.isfile(path):
                errors.append(f'{name}: missing picture {src}')
            used_images.add(path)

    images = os.path.join(docs, 'images')
    if os.path.isdir(images):
        for picture in sorted(os.listdir(images)):
            if os.path.normpath(os.path.join(images, picture)) not in used_images:
                errors.append(f'picture images/{picture} is used by no page')

    if 'index.html' not in pages:
        errors.append('no index.html')
    else:
        for name in pages:
            if name != 'index.html' and ('index.html', name) not in linked:
                # A page may hang below another one, but must be reachable.
                if not any((other, name) in linked for other in pages if other != name):
                    errors.append(f'{name} is reached from no page')
            if name != 'index.html' and (name, 'index.html') not in linked:
                errors.append(f'{name} has no way back to the contents')

    for e in errors:
        print('FAIL:', e)
    print(f'{len(pages)} pages, {len(used_images)} pictures checked')
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
