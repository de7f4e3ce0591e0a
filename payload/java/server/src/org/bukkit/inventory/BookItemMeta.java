package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;

import org.bukkit.inventory.meta.BookMeta;

/** A book's title, author and pages, kept in the tag's "title", "author" and "pages" as the game does. */
final class BookItemMeta extends StackMeta implements BookMeta {
    /** The longest title the game takes, and the most pages and characters a page. */
    static final int MAX_TITLE = 16;
    static final int MAX_PAGES = 50;
    static final int MAX_PAGE_LENGTH = 256;

    private String title;
    private String author;
    private List<String> pages = new ArrayList<String>();

    public boolean hasTitle() {
        return title != null && title.length() > 0;
    }

    public String getTitle() {
        return title;
    }

    public boolean setTitle(String t) {
        if (t != null && t.length() > MAX_TITLE) {
            return false;
        }
        title = t;
        return true;
    }

    public boolean hasAuthor() {
        return author != null && author.length() > 0;
    }

    public String getAuthor() {
        return author;
    }

    public void setAuthor(String a) {
        author = a;
    }

    public boolean hasPages() {
        return !pages.isEmpty();
    }

    /** Page numbers start at 1. */
    public String getPage(int page) {
        if (page < 1 || page > pages.size()) {
            throw new IllegalArgumentException("Invalid page number " + page);
        }
        return pages.get(page - 1);
    }

    public void setPage(int page, String data) {
        if (page < 1 || page > pages.size()) {
            throw new IllegalArgumentException("Invalid page number " + page);
        }
        pages.set(page - 1, clip(data));
    }

    public List<String> getPages() {
        return new ArrayList<String>(pages);
    }

    public void setPages(List<String> list) {
        pages.clear();
        for (String p : list) {
            addPage(p);
        }
    }

    public void setPages(String... list) {
        setPages(Arrays.asList(list));
    }

    public void addPage(String... more) {
        for (String p : more) {
            if (pages.size() >= MAX_PAGES) {
                return;
            }
            pages.add(clip(p));
        }
    }

    private static String clip(String page) {
        String p = page == null ? "" : page;
        return p.length() > MAX_PAGE_LENGTH ? p.substring(0, MAX_PAGE_LENGTH) : p;
    }

    public int getPageCount() {
        return pages.size();
    }

    @Override
    public BookItemMeta clone() {
        BookItemMeta copy = (BookItemMeta) super.clone();
        copy.pages = new ArrayList<String>(pages);
        return copy;
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && !hasTitle() && !hasAuthor() && pages.isEmpty();
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.addAll(Arrays.asList("title", "author", "pages"));
        return keys;
    }

    @Override
    @SuppressWarnings("unchecked")
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        if (tag == null) {
            return;
        }
        Object t = tag.get("title");
        Object a = tag.get("author");
        Object p = tag.get("pages");
        title = t instanceof String ? (String) t : null;
        author = a instanceof String ? (String) a : null;
        pages = p instanceof List ? ItemTag.strings((List<Object>) p) : new ArrayList<String>();
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (hasTitle()) {
            tag.put("title", title);
        }
        if (hasAuthor()) {
            tag.put("author", author);
        }
        if (!pages.isEmpty()) {
            tag.put("pages", new ArrayList<Object>(pages));
        }
    }

    @Override
    String metaType() {
        return "BOOK";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (hasTitle()) {
            out.put("title", title);
        }
        if (hasAuthor()) {
            out.put("author", author);
        }
        if (!pages.isEmpty()) {
            out.put("pages", new ArrayList<String>(pages));
        }
    }

    @Override
    @SuppressWarnings("unchecked")
    void deserializeOwn(Map<?, ?> map) {
        Object t = map.get("title");
        Object a = map.get("author");
        Object p = map.get("pages");
        if (t != null) {
            setTitle(t.toString());
        }
        if (a != null) {
            author = a.toString();
        }
        if (p instanceof List) {
            setPages(ItemTag.strings((List<Object>) p));
        }
    }
}
