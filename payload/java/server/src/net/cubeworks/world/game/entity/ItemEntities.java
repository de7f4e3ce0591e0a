package net.cubeworks.world.game.entity;

import java.util.LinkedHashMap;
import java.util.Map;

import net.cubeworks.world.storage.ItemTagValues;

/**
 * An item on the ground in its column's Entities list, as the 1.7 game keeps it: the common
 * members, then Health and Age (shorts), Item (id short, Count and Damage, the item's tag),
 * PickupDelay, and Thrower and Owner when it has them.
 */
final class ItemEntities {
    private ItemEntities() {
    }

    static void write(ItemEntity item, Map<String, Object> entry) {
        entry.put("Health", item.health);
        entry.put("Age", (short) item.age);
        entry.put("PickupDelay", (short) item.pickupDelay);
        Map<String, Object> stack = new LinkedHashMap<String, Object>();
        stack.put("id", (short) item.itemId());
        stack.put("Count", (byte) Math.min(127, item.count()));
        stack.put("Damage", (short) item.data());
        Map<String, Object> tag = ItemTagValues.toValues(item.tag());
        if (tag != null) {
            stack.put("tag", tag);
        }
        entry.put("Item", stack);
        if (item.thrower != null) {
            entry.put("Thrower", item.thrower);
        }
        if (item.owner != null) {
            entry.put("Owner", item.owner);
        }
    }

    /** The item of an entry; null when it holds no item (the game drops such an entry too). */
    @SuppressWarnings("unchecked")
    static ItemEntity read(GroundItems items, int entityId, Map<String, Object> entry) {
        Object stack = entry.get("Item");
        if (!(stack instanceof Map)) {
            return null;
        }
        Map<String, Object> s = (Map<String, Object>) stack;
        int id = EntityCodecs.number(s.get("id"), 0).intValue();
        int count = EntityCodecs.number(s.get("Count"), 0).intValue();
        int damage = EntityCodecs.number(s.get("Damage"), 0).intValue();
        if (id <= 0 || id > Short.MAX_VALUE || count <= 0) {
            return null;
        }
        Object tag = s.get("tag") instanceof Map ? ItemTagValues.fromValues((Map<String, Object>) s.get("tag")) : null;
        ItemEntity item = new ItemEntity(items, entityId, EntityCodecs.uuid(entry), id, count, (short) damage, tag);
        EntityCodecs.readCommon(entry, item);
        item.health = EntityCodecs.number(entry.get("Health"), 5).shortValue();
        item.age = EntityCodecs.number(entry.get("Age"), 0).shortValue();
        item.pickupDelay = Math.max(0, EntityCodecs.number(entry.get("PickupDelay"), 0).shortValue());
        item.thrower = entry.get("Thrower") instanceof String ? (String) entry.get("Thrower") : null;
        item.owner = entry.get("Owner") instanceof String ? (String) entry.get("Owner") : null;
        return item;
    }
}
