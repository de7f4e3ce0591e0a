package net.cubeworks.world.crafting;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.io.StringReader;
import java.util.ArrayList;
import java.util.List;

/**
 * The lines of a table the server keeps as text in its jar (the recipes, the smelting table):
 * each line's words without its # comment, blank lines left out, each with its line number, so a
 * fault can name where it is.
 */
final class TableLines {
    /** One line that holds something: its number in the file, its text and its words. */
    static final class Line {
        final int number;
        final String text;
        final String[] words;

        Line(int number, String text) {
            this.number = number;
            this.text = text;
            this.words = text.split("\\s+");
        }
    }

    private TableLines() {
    }

    /** The table's text from the server's jar; an IllegalStateException naming the table when it is missing or unreadable. */
    static String fromJar(String resource, String what) {
        InputStream in = TableLines.class.getResourceAsStream(resource);
        if (in == null) {
            throw new IllegalStateException("the server's jar lacks " + what + " (" + resource + ")");
        }
        try {
            try {
                StringBuilder text = new StringBuilder();
                char[] buffer = new char[8192];
                InputStreamReader r = new InputStreamReader(in, "UTF-8");
                for (int n; (n = r.read(buffer)) > 0;) {
                    text.append(buffer, 0, n);
                }
                return text.toString();
            } finally {
                in.close();
            }
        } catch (IOException ex) {
            throw new IllegalStateException(what + " could not be read: " + ex.getMessage(), ex);
        }
    }

    /** The lines that hold something, in order. */
    static List<Line> of(String table) {
        List<Line> out = new ArrayList<Line>();
        BufferedReader r = new BufferedReader(new StringReader(table));
        try {
            String line;
            int number = 0;
            while ((line = r.readLine()) != null) {
                number++;
                int hash = line.indexOf('#');
                String text = (hash >= 0 ? line.substring(0, hash) : line).trim();
                if (!text.isEmpty()) {
                    out.add(new Line(number, text));
                }
            }
        } catch (IOException ex) {
            throw new IllegalStateException(ex); // a string reader does not fail
        }
        return out;
    }
}
