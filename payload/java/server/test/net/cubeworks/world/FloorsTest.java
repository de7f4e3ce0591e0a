package net.cubeworks.world;

import static org.junit.Assert.assertTrue;

import java.io.File;
import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.junit.Test;

/**
 * The server's packages stand on floors: each imports only from the floors below it (and
 * never from another package of its own floor, so there is no circle), and only the
 * protocol package writes a packet id.
 */
public class FloorsTest {
    private static final String BASE = "net.cubeworks.world";
    private static final Map<String, Integer> FLOORS = new HashMap<String, Integer>();

    static {
        String[][] floors = {
            {"util", "console", "timing", "level", "crafting"},
            {"protocol"},
            {"net", "storage", "settings", "generation"},
            // the game, by kind: each package on its own floor, the root only wires them
            {"game.thread"},
            {"game.event"},
            {"game.item"},
            {"game.world"},
            {"game.entity"},
            {"game.block"},
            {"game.mob"},
            {"game.player"},
            // what a player does with the world: the windows he opens, then his hands on blocks and things
            {"game.window"},
            {"game.interaction"},
            {"game.api"},
            {"game"},
            // the connection side: reads each player's packets into the game, and admits and lets go
            {"game.play"},
            {"plugin"},
            {"command"},
            {"server"},
            {""},
        };
        for (int i = 0; i < floors.length; i++) {
            for (String p : floors[i]) {
                FLOORS.put(p, i);
            }
        }
    }

    /** A use of a class of the server by its full name, in an import or in the code. */
    private static final Pattern USE = Pattern.compile(Pattern.quote(BASE) + "((?:\\.[a-z]+)*)\\.[A-Z]");
    private static final Pattern PACKAGE = Pattern.compile("^package " + Pattern.quote(BASE) + "((?:\\.[a-z]+)*);",
            Pattern.MULTILINE);

    private static File sources() {
        String dir = System.getProperty("cubeworks.server.src");
        File f = dir != null ? new File(dir) : new File("payload/java/server/src");
        assertTrue("the server's sources are at " + f.getAbsolutePath(), f.isDirectory());
        return new File(f, BASE.replace('.', '/'));
    }

    private static void collect(File dir, List<File> out) {
        File[] files = dir.listFiles();
        if (files == null) {
            return;
        }
        for (File f : files) {
            if (f.isDirectory()) {
                collect(f, out);
            } else if (f.getName().endsWith(".java")) {
                out.add(f);
            }
        }
    }

    private static String pkg(String dotted) {
        return dotted.length() == 0 ? "" : dotted.substring(1);
    }

    @Test
    public void everyImportRunsDownAFloorAndOnlyTheProtocolWritesPacketIds() throws IOException {
        List<File> files = new ArrayList<File>();
        collect(sources(), files);
        assertTrue(files.size() > 50);
        List<String> faults = new ArrayList<String>();
        for (File f : files) {
            String text = new String(Files.readAllBytes(f.toPath()), Charset.forName("UTF-8"));
            Matcher pm = PACKAGE.matcher(text);
            assertTrue(f.getPath(), pm.find());
            String own = pkg(pm.group(1));
            Integer floor = FLOORS.get(own);
            if (floor == null) {
                faults.add(f.getName() + ": package '" + own + "' stands on no floor");
                continue;
            }
            Matcher im = USE.matcher(text);
            while (im.find()) {
                String used = pkg(im.group(1));
                Integer usedFloor = FLOORS.get(used);
                if (used.equals(own)) {
                    continue;
                }
                if (usedFloor == null || usedFloor > floor || (usedFloor.intValue() == floor.intValue())) {
                    faults.add(f.getName() + " (" + own + ") imports " + used);
                }
            }
            if (!own.equals("protocol") && text.contains("new PacketOut(")) {
                faults.add(f.getName() + " (" + own + ") writes a packet id");
            }
        }
        assertTrue(faults.toString(), faults.isEmpty());
    }
}
