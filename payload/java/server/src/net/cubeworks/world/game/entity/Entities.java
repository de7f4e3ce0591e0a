package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * The entities in the world, of every kind, players included, by id and in the order they came;
 * and the one allocator of their ids. Changed on the game thread or under the world lock.
 */
public final class Entities {
    private final EntityIds ids = new EntityIds();
    private final Map<Integer, WorldEntity> byId = new LinkedHashMap<Integer, WorldEntity>();

    /** A new entity id, for a kind about to be made (or a bolt of lightning, which is never kept). */
    public int nextId() {
        return ids.next();
    }

    public void add(WorldEntity e) {
        byId.put(e.getEntityId(), e);
    }

    /** Forgets the entity; true when it was there. */
    public boolean remove(WorldEntity e) {
        return byId.remove(e.getEntityId()) != null;
    }

    public WorldEntity byId(int id) {
        return byId.get(id);
    }

    /** A copy of every entity in the world, in the order they came. */
    public List<WorldEntity> all() {
        return new ArrayList<WorldEntity>(byId.values());
    }

    public int size() {
        return byId.size();
    }
}
