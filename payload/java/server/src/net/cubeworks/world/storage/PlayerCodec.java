package net.cubeworks.world.storage;

import java.util.HashSet;
import java.util.List;
import java.util.Set;

/** A player file (players/NAME.dat) in the layout the 1.7.2 server reads and writes. */
public final class PlayerCodec {
    private PlayerCodec() {
    }

    static NbtCompound encode(StoredPlayer p) {
        NbtCompound root = p.kept instanceof NbtCompound ? ((NbtCompound) p.kept).copy() : new NbtCompound();
        root.put("Pos", NbtList.of(Nbt.DOUBLE, p.x, p.y, p.z));
        // the world does not move players by velocity: a player comes back at rest
        root.put("Motion", NbtList.of(Nbt.DOUBLE, 0.0, 0.0, 0.0));
        root.put("Rotation", NbtList.of(Nbt.FLOAT, p.yaw, p.pitch));
        root.putIfAbsent("FallDistance", 0f);
        root.putIfAbsent("Fire", (short) -20);
        root.putIfAbsent("Air", (short) 300);
        root.putIfAbsent("OnGround", (byte) 1);
        root.put("Dimension", 0);
        root.putIfAbsent("Invulnerable", (byte) 0);
        root.putIfAbsent("PortalCooldown", 0);
        root.put("HealF", p.health);
        root.put("Health", (short) Math.ceil(Math.max(0, Math.min(p.health, Short.MAX_VALUE))));
        root.putIfAbsent("AbsorptionAmount", 0f);
        root.putIfAbsent("HurtTime", (short) 0);
        root.putIfAbsent("DeathTime", (short) 0);
        root.putIfAbsent("AttackTime", (short) 0);
        root.put("Inventory", inventory(p.inventory, root.list("Inventory")));
        root.put("EnderItems", inventory(p.enderItems, root.list("EnderItems")));
        root.put("SelectedItemSlot", p.selectedSlot);
        root.putIfAbsent("Sleeping", (byte) 0);
        root.putIfAbsent("SleepTimer", (short) 0);
        root.put("XpP", p.xpProgress);
        root.put("XpLevel", p.xpLevel);
        root.put("XpTotal", p.xpTotal);
        if (p.spawn != null) {
            root.put("SpawnX", p.spawn[0]);
            root.put("SpawnY", p.spawn[1]);
            root.put("SpawnZ", p.spawn[2]);
            root.put("SpawnForced", (byte) (p.spawnForced ? 1 : 0));
        } else {
            root.remove("SpawnX");
            root.remove("SpawnY");
            root.remove("SpawnZ");
            root.remove("SpawnForced");
        }
        root.putIfAbsent("Score", 0);
        root.put("foodLevel", p.food);
        root.put("foodTickTimer", root.has("foodTickTimer") ? root.get("foodTickTimer") : 0);
        root.put("foodSaturationLevel", p.saturation);
        root.putIfAbsent("foodExhaustionLevel", 0f);
        root.put("abilities", abilities(p.gameMode, root.compound("abilities")));
        root.put("playerGameType", p.gameMode);
        return root;
    }

    /** The abilities follow the game mode; the speeds and the rest are kept. */
    private static NbtCompound abilities(int mode, NbtCompound kept) {
        NbtCompound a = kept != null ? kept.copy() : new NbtCompound();
        boolean creative = mode == 1;
        a.put("invulnerable", (byte) (creative ? 1 : 0));
        a.put("flying", (byte) (creative && a.number("flying", 0) != 0 ? 1 : 0));
        a.put("mayfly", (byte) (creative ? 1 : 0));
        a.put("instabuild", (byte) (creative ? 1 : 0));
        a.put("mayBuild", (byte) (mode == 2 ? 0 : 1));
        a.putIfAbsent("flySpeed", 0.05f);
        a.putIfAbsent("walkSpeed", 0.1f);
        return a;
    }

    /**
     * The world's stacks, then the stacks read from the file that the world could not model
     * (ids that are not numbers, from later versions) in slots the world left free.
     */
    private static NbtList inventory(List<StoredItem> items, NbtList kept) {
        NbtList list = new NbtList(Nbt.COMPOUND);
        Set<Integer> taken = new HashSet<Integer>();
        for (StoredItem item : items) {
            if (item == null || item.id <= 0 || item.count <= 0) {
                continue;
            }
            NbtCompound s = new NbtCompound();
            s.put("id", (short) item.id);
            s.put("Count", (byte) item.count);
            s.put("Damage", (short) item.damage);
            if (item.tag instanceof NbtCompound) {
                s.put("tag", item.tag);
            }
            s.put("Slot", (byte) item.slot);
            list.add(s);
            taken.add(item.slot);
        }
        if (kept != null && kept.type == Nbt.COMPOUND) {
            for (Object o : kept.items) {
                NbtCompound s = (NbtCompound) o;
                if (!modelled(s) && s.has("Slot") && taken.add((int) s.number("Slot", 0))) {
                    list.add(s);
                }
            }
        }
        return list;
    }

    private static boolean modelled(NbtCompound s) {
        Object id = s.get("id");
        return id instanceof Short || id instanceof Integer || id instanceof Byte;
    }

    static StoredPlayer decode(NbtCompound root) throws Nbt.FormatException {
        StoredPlayer p = new StoredPlayer();
        NbtList pos = root.list("Pos");
        if (pos == null || pos.size() != 3 || pos.type != Nbt.DOUBLE) {
            throw new Nbt.FormatException("it has no position (Pos is not a list of 3 doubles)");
        }
        p.x = (Double) pos.get(0);
        p.y = (Double) pos.get(1);
        p.z = (Double) pos.get(2);
        if (Double.isNaN(p.x + p.y + p.z) || Double.isInfinite(p.x + p.y + p.z)) {
            throw new Nbt.FormatException("its position is not a number");
        }
        NbtList rot = root.list("Rotation");
        if (rot != null && rot.size() == 2 && rot.type == Nbt.FLOAT) {
            p.yaw = finite((Float) rot.get(0));
            p.pitch = finite((Float) rot.get(1));
        }
        p.gameMode = (int) root.number("playerGameType", 0);
        p.health = root.has("HealF") ? (float) root.real("HealF", 20) : (float) root.number("Health", 20);
        p.health = Float.isNaN(p.health) ? 20f : Math.max(0f, Math.min(20f, p.health));
        p.food = (int) Math.max(0, Math.min(20, root.number("foodLevel", 20)));
        p.saturation = finite((float) root.real("foodSaturationLevel", 5));
        p.selectedSlot = (int) Math.max(0, Math.min(8, root.number("SelectedItemSlot", 0)));
        p.xpLevel = (int) Math.max(0, root.number("XpLevel", 0));
        float progress = (float) root.real("XpP", 0);
        p.xpProgress = Float.isNaN(progress) ? 0f : Math.max(0f, Math.min(1f, progress));
        p.xpTotal = (int) Math.max(0, root.number("XpTotal", 0));
        if (root.has("SpawnX") && root.has("SpawnY") && root.has("SpawnZ")) {
            p.spawn = new int[] {(int) root.number("SpawnX", 0), (int) root.number("SpawnY", 0),
                (int) root.number("SpawnZ", 0)};
            p.spawnForced = root.number("SpawnForced", 0) != 0;
        }
        readItems(root.list("Inventory"), p.inventory);
        readItems(root.list("EnderItems"), p.enderItems);
        p.kept = root;
        return p;
    }

    private static void readItems(NbtList inv, List<StoredItem> into) {
        if (inv != null && inv.type == Nbt.COMPOUND) {
            for (Object o : inv.items) {
                NbtCompound s = (NbtCompound) o;
                if (!modelled(s)) {
                    continue;
                }
                StoredItem item = new StoredItem();
                item.slot = (int) s.number("Slot", 0) & 0xFF;
                item.id = (int) s.number("id", 0);
                item.count = (int) s.number("Count", 1);
                item.damage = (int) s.number("Damage", 0);
                item.tag = s.compound("tag");
                into.add(item);
            }
        }
    }

    private static float finite(float f) {
        return Float.isNaN(f) || Float.isInfinite(f) ? 0f : f;
    }
}
