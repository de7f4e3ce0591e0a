package net.cubeworks.world.crafting;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CopyOnWriteArrayList;

/**
 * What a furnace smelts into what (and the experience each result gives) and how long each fuel
 * burns, read from text with one entry a line ('#' starts a comment):
 *
 * <pre>
 * smelt INPUT RESULT COUNT EXPERIENCE
 * fuel  ITEM TICKS
 * </pre>
 *
 * INPUT and ITEM are "id" (any damage) or "id:d"; RESULT is "id" or "id:d". Plugins add recipes
 * of their own, which are looked at after the book's.
 */
public final class SmeltingBook {
    static final String RESOURCE = "smelting.txt";
    /** The ticks one item takes to smelt. */
    public static final int COOK_TICKS = 200;

    private static volatile SmeltingBook standard;

    /** A recipe: its input (data -1 for any damage), result and the experience one result gives. */
    public static final class Smelt {
        public final int inputId;
        public final int inputData;
        public final int resultId;
        public final int resultData;
        public final int resultCount;
        public final float experience;

        public Smelt(int inputId, int inputData, int resultId, int resultData, int resultCount, float experience) {
            this.inputId = inputId;
            this.inputData = inputData;
            this.resultId = resultId;
            this.resultData = resultData;
            this.resultCount = resultCount;
            this.experience = experience;
        }

        boolean takes(int id, int data) {
            return id == inputId && (inputData < 0 || inputData == data);
        }
    }

    private final List<Smelt> smelts;
    private final List<Smelt> added = new CopyOnWriteArrayList<Smelt>();
    /** Burn ticks by item id (any damage). */
    private final Map<Integer, Integer> fuel;

    private SmeltingBook(List<Smelt> smelts, Map<Integer, Integer> fuel) {
        this.smelts = smelts;
        this.fuel = fuel;
    }

    /** The server's own table, read once from the jar. */
    public static SmeltingBook standard() {
        SmeltingBook b = standard;
        if (b == null) {
            b = parse(TableLines.fromJar(RESOURCE, "the smelting table"));
            standard = b;
        }
        return b;
    }

    /** Reads a table from text; a malformed line is an IllegalArgumentException naming its line. */
    public static SmeltingBook parse(String table) {
        List<Smelt> smelts = new ArrayList<Smelt>();
        Map<Integer, Integer> fuel = new HashMap<Integer, Integer>();
        for (TableLines.Line line : TableLines.of(table)) {
            String[] w = line.words;
            try {
                if (w[0].equals("smelt") && w.length == 5) {
                    int[] in = item(w[1], -1);
                    int[] out = item(w[2], 0);
                    int count = Integer.parseInt(w[3]);
                    float exp = Float.parseFloat(w[4]);
                    if (count < 1 || count > 64 || exp < 0 || exp != exp) {
                        throw new IllegalArgumentException("bad count or experience");
                    }
                    smelts.add(new Smelt(in[0], in[1], out[0], out[1], count, exp));
                } else if (w[0].equals("fuel") && w.length == 3) {
                    int ticks = Integer.parseInt(w[2]);
                    if (ticks <= 0) {
                        throw new IllegalArgumentException("a fuel burns for some ticks");
                    }
                    fuel.put(item(w[1], -1)[0], ticks);
                } else {
                    throw new IllegalArgumentException("neither smelt INPUT RESULT COUNT EXPERIENCE nor fuel ITEM TICKS");
                }
            } catch (NumberFormatException ex) {
                throw new IllegalArgumentException("smelting line " + line.number + " (" + line.text + "): not a number");
            } catch (IllegalArgumentException ex) {
                throw new IllegalArgumentException("smelting line " + line.number + " (" + line.text + "): " + ex.getMessage());
            }
        }
        return new SmeltingBook(smelts, fuel);
    }

    private static int[] item(String s, int anyData) {
        int colon = s.indexOf(':');
        int id = Integer.parseInt(colon < 0 ? s : s.substring(0, colon));
        int data = colon < 0 ? anyData : Integer.parseInt(s.substring(colon + 1));
        if (id <= 0 || id > 4095) {
            throw new IllegalArgumentException("no item " + s);
        }
        return new int[] {id, data};
    }

    /** The recipe that smelts the item, the book's before the plugins'; null when it does not smelt. */
    public Smelt smelting(int id, int data) {
        for (Smelt s : smelts) {
            if (s.takes(id, data)) {
                return s;
            }
        }
        for (Smelt s : added) {
            if (s.takes(id, data)) {
                return s;
            }
        }
        return null;
    }

    /** The ticks the item burns in a furnace; 0 for what does not burn. */
    public int burnTicks(int id) {
        Integer t = fuel.get(id);
        return t == null ? 0 : t;
    }

    /**
     * The experience one of the result gives when taken from a furnace: that of the first recipe
     * making it, 0 when none does.
     */
    public float experience(int resultId, int resultData) {
        for (Smelt s : smelts) {
            if (s.resultId == resultId && s.resultData == resultData) {
                return s.experience;
            }
        }
        for (Smelt s : added) {
            if (s.resultId == resultId && s.resultData == resultData) {
                return s.experience;
            }
        }
        return 0;
    }

    /** A plugin's recipe (input data -1 for any damage); it smelts after the book's own. */
    public void add(Smelt s) {
        added.add(s);
    }

    /** The plugins' recipes, in place of those there were. */
    public void setAdded(List<Smelt> recipes) {
        added.clear();
        added.addAll(recipes);
    }
}
