package net.cubeworks.world.storage;

import java.util.HashSet;
import java.util.Set;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.SlotRow;

/**
 * A block entity to and from its compound in a column's TileEntities list, in the 1.7 game's
 * layout: every entry has its kind as "id" and its block's place as the ints "x", "y", "z"; a
 * sign has the strings Text1 to Text4; a container has "Items", a list of compounds with Slot
 * (byte), id (short), Count (byte), Damage (short) and the item's "tag", and "CustomName" when it
 * was named; a furnace has the shorts BurnTime and CookTime; a note block ("Music") its pitch
 * as the byte "note". What the world does not model rides
 * along in {@link BlockEntity#kept}: the entry as read without the text and items (a kind the
 * world does not model, whole), and stacks the world cannot hold (an id that is not a number, a
 * slot the container does not have), which go back into the slots the world left free.
 */
final class BlockEntityCodec {
    private BlockEntityCodec() {
    }

    /** An entry that cannot be taken as a block entity of the column, with why not. */
    static final class Broken extends Exception {
        private static final long serialVersionUID = 1L;

        Broken(String why) {
            super(why);
        }
    }

    /** Reads an entry of the column (cx, cz); Broken when its tags are not of the layout's types or it is elsewhere. */
    static BlockEntity read(NbtCompound tag, int cx, int cz) throws Broken {
        Object kind = tag.get("id");
        if (!(kind instanceof String)) {
            throw new Broken(kind == null ? "it has no id" : "its id is not a string");
        }
        int x = coordinate(tag, "x");
        int y = coordinate(tag, "y");
        int z = coordinate(tag, "z");
        if (x >> 4 != cx || z >> 4 != cz || y < 0 || y > 255) {
            throw new Broken("its place (" + x + ", " + y + ", " + z + ") is not in the column");
        }
        BlockEntity e = BlockEntity.of((String) kind, x, y, z);
        NbtCompound kept = tag.copy();
        if (e instanceof BlockEntity.Sign) {
            for (int i = 0; i < 4; i++) {
                ((BlockEntity.Sign) e).setLine(i, string(tag, "Text" + (i + 1)));
                kept.remove("Text" + (i + 1));
            }
        } else if (e instanceof BlockEntity.Music) {
            ((BlockEntity.Music) e).note = (int) Math.max(0, Math.min(24, integer(tag, "note"))); // as the game reads it
            kept.remove("note");
        } else if (e instanceof BlockEntity.Jukebox) {
            readRecord((BlockEntity.Jukebox) e, tag);
            kept.remove("Record");
            kept.remove("RecordItem");
        } else if (e instanceof BlockEntity.Container) {
            BlockEntity.Container c = (BlockEntity.Container) e;
            c.customName = string(tag, "CustomName");
            kept.remove("CustomName");
            if (c instanceof BlockEntity.Furnace) {
                ((BlockEntity.Furnace) c).burnTime = (int) integer(tag, "BurnTime");
                ((BlockEntity.Furnace) c).cookTime = (int) integer(tag, "CookTime");
            } else if (c instanceof BlockEntity.Hopper) {
                ((BlockEntity.Hopper) c).cooldown = (int) integer(tag, "TransferCooldown");
            }
            NbtList others = readItems(tag, c.slots);
            if (others.size() > 0) {
                kept.put("Items", others);
            } else {
                kept.remove("Items");
            }
        }
        e.kept = kept;
        return e;
    }

    /** A jukebox's record: the stack RecordItem, or from 1.7's older entries the id Record alone. */
    private static void readRecord(BlockEntity.Jukebox j, NbtCompound tag) throws Broken {
        Object item = tag.get("RecordItem");
        if (item instanceof NbtCompound) {
            NbtCompound s = (NbtCompound) item;
            if (!number(s, "id") || !number(s, "Damage")) {
                throw new Broken("its RecordItem is not an item");
            }
            j.recordId = (int) s.number("id", 0);
            j.recordData = (int) s.number("Damage", 0);
            j.recordTag = s.compound("tag");
        } else {
            j.recordId = (int) integer(tag, "Record");
        }
        if (j.recordId < 0 || j.recordId > 32767) {
            throw new Broken("its record is no item");
        }
    }

    private static int coordinate(NbtCompound tag, String name) throws Broken {
        Object v = tag.get(name);
        if (!(v instanceof Integer || v instanceof Short || v instanceof Byte)) {
            throw new Broken(v == null ? "it has no " + name : "its " + name + " is not an int");
        }
        return ((Number) v).intValue();
    }

    /** A string tag, or null when there is none. */
    private static String string(NbtCompound tag, String name) throws Broken {
        Object v = tag.get(name);
        if (v != null && !(v instanceof String)) {
            throw new Broken("its " + name + " is not a string");
        }
        return (String) v;
    }

    /** A whole number, or 0 when there is none. */
    private static long integer(NbtCompound tag, String name) throws Broken {
        Object v = tag.get(name);
        if (v != null && !(v instanceof Byte || v instanceof Short || v instanceof Integer || v instanceof Long)) {
            throw new Broken("its " + name + " is not a number");
        }
        return v == null ? 0 : ((Number) v).longValue();
    }

    /** Puts the stacks into the row; returns those it cannot hold, to be kept as they are. */
    private static NbtList readItems(NbtCompound tag, SlotRow row) throws Broken {
        NbtList others = new NbtList(Nbt.COMPOUND);
        Object v = tag.get("Items");
        if (v == null) {
            return others;
        }
        if (!(v instanceof NbtList) || ((NbtList) v).size() > 0 && ((NbtList) v).type != Nbt.COMPOUND) {
            throw new Broken("its Items is not a list of compounds");
        }
        for (Object o : ((NbtList) v).items) {
            NbtCompound s = (NbtCompound) o;
            Object id = s.get("id");
            Object itemTag = s.get("tag");
            int slot = (int) s.number("Slot", 0) & 0xFF;
            int count = (int) s.number("Count", 1);
            boolean held = (id instanceof Short || id instanceof Integer || id instanceof Byte)
                    && ((Number) id).intValue() > 0 && count > 0 && slot < row.size() && row.count(slot) == 0
                    && (itemTag == null || itemTag instanceof NbtCompound) && number(s, "Slot") && number(s, "Count")
                    && number(s, "Damage");
            if (held) {
                row.set(slot, ((Number) id).intValue(), count, (short) s.number("Damage", 0), itemTag);
            } else {
                others.add(s);
            }
        }
        return others;
    }

    /** True when the tag is missing or a whole number. */
    private static boolean number(NbtCompound s, String name) {
        Object v = s.get(name);
        return v == null || v instanceof Byte || v instanceof Short || v instanceof Integer || v instanceof Long;
    }

    /** The entry of a block entity, over what was kept of it. */
    static NbtCompound write(BlockEntity e) {
        NbtCompound kept = e.kept instanceof NbtCompound ? (NbtCompound) e.kept : null;
        NbtCompound tag = kept != null ? kept.copy() : new NbtCompound();
        tag.put("id", e.id);
        tag.put("x", e.x);
        tag.put("y", e.y);
        tag.put("z", e.z);
        if (e instanceof BlockEntity.Sign) {
            for (int i = 0; i < 4; i++) {
                tag.put("Text" + (i + 1), ((BlockEntity.Sign) e).line(i));
            }
        } else if (e instanceof BlockEntity.Music) {
            tag.put("note", (byte) ((BlockEntity.Music) e).note);
        } else if (e instanceof BlockEntity.Jukebox) {
            BlockEntity.Jukebox j = (BlockEntity.Jukebox) e;
            if (j.recordId > 0) {
                NbtCompound s = new NbtCompound();
                s.put("id", (short) j.recordId);
                s.put("Count", (byte) 1);
                s.put("Damage", (short) j.recordData);
                if (j.recordTag instanceof NbtCompound) {
                    s.put("tag", j.recordTag);
                }
                tag.put("Record", j.recordId);
                tag.put("RecordItem", s);
            }
        } else if (e instanceof BlockEntity.Container) {
            BlockEntity.Container c = (BlockEntity.Container) e;
            if (c instanceof BlockEntity.Furnace) {
                tag.put("BurnTime", (short) ((BlockEntity.Furnace) c).burnTime);
                tag.put("CookTime", (short) ((BlockEntity.Furnace) c).cookTime);
            } else if (c instanceof BlockEntity.Hopper) {
                tag.put("TransferCooldown", ((BlockEntity.Hopper) c).cooldown);
            }
            tag.put("Items", items(c.slots, kept != null ? kept.list("Items") : null));
            if (c.customName != null) {
                tag.put("CustomName", c.customName);
            }
        }
        return tag;
    }

    /** The row's stacks, then the kept ones the world could not hold in slots it left free. */
    private static NbtList items(SlotRow row, NbtList others) {
        NbtList list = new NbtList(Nbt.COMPOUND);
        Set<Integer> taken = new HashSet<Integer>();
        for (int i = 0; i < row.size(); i++) {
            if (row.item(i) <= 0) {
                continue;
            }
            NbtCompound s = new NbtCompound();
            s.put("Slot", (byte) i);
            s.put("id", (short) row.item(i));
            s.put("Count", (byte) row.count(i));
            s.put("Damage", (short) row.data(i));
            if (row.tag(i) instanceof NbtCompound) {
                s.put("tag", row.tag(i));
            }
            list.add(s);
            taken.add(i);
        }
        if (others != null) {
            for (Object o : others.items) {
                NbtCompound s = (NbtCompound) o;
                if (!taken.contains((int) s.number("Slot", 0) & 0xFF)) {
                    list.add(s);
                }
            }
        }
        return list;
    }
}
