package net.cubeworks.world.game.player;

import org.bukkit.GameMode;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.storage.StoredItem;
import net.cubeworks.world.storage.StoredPlayer;

/**
 * A player as the game has it and as it is stored: the one conversion each way. The
 * inventory is in window slots here and in file slots in the store.
 */
public final class PlayerRecords {
    private PlayerRecords() {
    }

    /** Player-file slot numbers to window 0: 0-8 hot bar (36-44), 9-35 main, 100-103 boots to helmet (8-5). */
    public static int windowSlot(int fileSlot) {
        if (fileSlot >= 0 && fileSlot < 9) {
            return PlayerInventory.HOTBAR + fileSlot;
        }
        if (fileSlot >= 9 && fileSlot < 36) {
            return fileSlot;
        }
        if (fileSlot >= 100 && fileSlot <= 103) {
            return 8 - (fileSlot - 100);
        }
        return -1;
    }

    public static int fileSlot(int windowSlot) {
        if (windowSlot >= PlayerInventory.HOTBAR && windowSlot < PlayerInventory.SLOTS) {
            return windowSlot - PlayerInventory.HOTBAR;
        }
        if (windowSlot >= 9 && windowSlot < 36) {
            return windowSlot;
        }
        if (windowSlot >= 5 && windowSlot <= 8) {
            return 100 + (8 - windowSlot);
        }
        return -1;
    }

    private static float finiteOr(float v, float def) {
        return Float.isNaN(v) || Float.isInfinite(v) ? def : v;
    }

    /**
     * What the store keeps of the player now; a dead player is kept at the spawn with full
     * health, as it would respawn.
     */
    public static StoredPlayer toStored(OnlinePlayer p, LevelState level) {
        StoredPlayer s = new StoredPlayer();
        s.x = p.x;
        s.y = p.y;
        s.z = p.z;
        s.yaw = p.yaw;
        s.pitch = p.pitch;
        s.gameMode = p.getGameMode().getValue();
        s.health = p.dead ? 20f : p.health;
        s.food = p.food;
        s.saturation = p.saturation;
        s.selectedSlot = p.heldSlot;
        s.xpLevel = p.xp.level;
        s.xpProgress = p.xp.progress;
        s.xpTotal = p.xp.total;
        int[] spawn = p.spawnPoint;
        s.spawn = spawn == null ? null : spawn.clone();
        s.spawnForced = spawn != null && p.sleep.spawnForced;
        PlayerInventory inv = p.inventory();
        for (int i = 0; i < PlayerInventory.SLOTS; i++) {
            int slot = fileSlot(i);
            if (slot >= 0 && inv.count(i) > 0 && inv.item(i) > 0) {
                StoredItem item = new StoredItem();
                item.slot = slot;
                item.id = inv.item(i);
                item.count = inv.count(i);
                item.damage = inv.data(i);
                item.tag = inv.tag(i);
                s.inventory.add(item);
            }
        }
        for (int i = 0; i < inv.ender.size(); i++) {
            if (inv.ender.count(i) > 0) {
                s.enderItems.add(stored(i, inv.ender.item(i), inv.ender.count(i), inv.ender.data(i), inv.ender.tag(i)));
            }
        }
        s.kept = p.kept;
        if (p.dead) {
            s.x = level.spawnX + 0.5;
            s.y = level.spawnY;
            s.z = level.spawnZ + 0.5;
        }
        return s;
    }

    /**
     * Puts the stored record into the joining player; false (nothing set but what the
     * record had besides) when its position is one no client could stand at.
     */
    public static boolean apply(StoredPlayer s, OnlinePlayer p) {
        boolean placed = Teleport.validPosition(s.x, s.y, s.z);
        if (placed) {
            p.x = s.x;
            p.y = s.y;
            p.z = s.z;
            p.yaw = finiteOr(s.yaw, 0f);
            p.pitch = finiteOr(s.pitch, 0f);
        }
        GameMode mode = GameMode.getByValue(s.gameMode);
        if (mode != null) {
            p.setModeField(mode);
        }
        p.health = s.health > 0 && s.health <= 20 ? s.health : 20f;
        p.food = Math.max(0, Math.min(20, s.food));
        p.saturation = finiteOr(s.saturation, 5f);
        p.heldSlot = s.selectedSlot >= 0 && s.selectedSlot < 9 ? s.selectedSlot : 0;
        p.xp.level = s.xpLevel;
        p.xp.progress = s.xpProgress;
        p.xp.total = s.xpTotal;
        p.spawnPoint = s.spawn == null ? null : s.spawn.clone();
        p.sleep.spawnForced = s.spawnForced;
        for (StoredItem item : s.inventory) {
            int slot = windowSlot(item.slot);
            if (slot >= 0 && item.id > 0 && item.id < 32768 && item.count > 0) {
                p.inventory().set(slot, item.id, Math.min(item.count, 127), item.damage, item.tag);
            }
        }
        for (StoredItem item : s.enderItems) {
            if (item.slot < p.inventory().ender.size() && item.id > 0 && item.id < 32768 && item.count > 0) {
                p.inventory().ender.set(item.slot, item.id, Math.min(item.count, 127), item.damage, item.tag);
            }
        }
        p.kept = s.kept;
        return placed;
    }

    private static StoredItem stored(int slot, int id, int count, int damage, Object tag) {
        StoredItem item = new StoredItem();
        item.slot = slot;
        item.id = id;
        item.count = count;
        item.damage = damage;
        item.tag = tag;
        return item;
    }
}
