package org.bukkit.inventory.meta;

import java.util.List;

/** A book and quill or a written book: title, author and pages (numbered from 1). */
public interface BookMeta extends ItemMeta {
    boolean hasTitle();

    String getTitle();

    /** False when the title is longer than the game allows (16 characters). */
    boolean setTitle(String title);

    boolean hasAuthor();

    String getAuthor();

    void setAuthor(String author);

    boolean hasPages();

    String getPage(int page);

    void setPage(int page, String data);

    List<String> getPages();

    void setPages(List<String> pages);

    void setPages(String... pages);

    void addPage(String... pages);

    int getPageCount();

    BookMeta clone();
}
