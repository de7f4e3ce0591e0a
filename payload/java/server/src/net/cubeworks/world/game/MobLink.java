package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/** What the mobs ask of this world. */
final class MobLink implements net.cubeworks.world.game.mob.MobWorld {
    private final GameWorld w;

    MobLink(GameWorld w) {
        this.w = w;
    }

    public void landed(net.cubeworks.world.game.mob.Mob mob, float fell) {
        if (fell > 0) {
            net.cubeworks.world.game.block.Trampling.landed(w.blocks(), mob, false, fell);
        }
    }

    public int blockAt(int x, int y, int z) {
        return w.blocks().blockAt(x, y, z);
    }

    public int metaAt(int x, int y, int z) {
        return w.blocks().metaAt(x, y, z);
    }

    public void setBlock(int x, int y, int z, int id, int data) {
        w.blocks().setBlock(x, y, z, id, data);
    }

    public int light(int x, int y, int z) {
        long k = ColumnKey.of(x >> 4, z >> 4);
        if (!w.cache().inMemory(k)) {
            return -1;
        }
        if (y > 255) {
            return 15 << 4;
        }
        if (y < 0) {
            return 0;
        }
        net.cubeworks.world.level.Column c = w.cache().held(k);
        if (c == null) {
            return y >= net.cubeworks.world.level.Column.FLAT_HEIGHT ? 15 << 4 : 0; // the flat ground
        }
        if (!c.lit()) {
            return y >= c.height(x & 15, z & 15) ? 15 << 4 : 0;
        }
        return c.sky(x & 15, y, z & 15) << 4 | c.blockLight(x & 15, y, z & 15);
    }

    public boolean loaded(int x, int z) {
        return w.cache().inMemory(ColumnKey.of(x >> 4, z >> 4));
    }

    public int height(int x, int z) {
        net.cubeworks.world.level.Column c = w.cache().held(ColumnKey.of(x >> 4, z >> 4));
        return c == null ? net.cubeworks.world.level.Column.FLAT_HEIGHT : c.height(x & 15, z & 15);
    }

    public long dayTime() {
        return w.level().dayTime;
    }

    public int difficulty() {
        return w.game().difficulty();
    }

    public boolean raining() {
        return w.level().raining;
    }

    public boolean thundering() {
        return w.level().thundering;
    }

    public boolean spawnMonsters() {
        return w.game().properties().spawnMonsters() && "true".equals(w.level().gameRules.get("doMobSpawning"));
    }

    public boolean spawnAnimals() {
        return w.game().properties().spawnAnimals() && "true".equals(w.level().gameRules.get("doMobSpawning"));
    }

    public int[] spawnPoint() {
        return new int[] {w.level().spawnX, w.level().spawnY, w.level().spawnZ};
    }

    public net.cubeworks.world.game.entity.Entities entities() {
        return w.game().entities();
    }

    public Object lock() {
        return w.game().lock();
    }

    public net.cubeworks.world.game.thread.GameHost host() {
        return w.game().host();
    }

    public org.bukkit.World api() {
        return w.api();
    }

    public void toViewers(net.cubeworks.world.game.entity.WorldEntity e, PacketOut packet) {
        w.visibility().toViewers(e, packet);
    }

    public void toNear(double x, double y, double z, double distance, PacketOut packet) {
        byte[] frame = packet.frame();
        double d2 = distance * distance;
        for (OnlinePlayer p : w.game().players().inJoinOrder()) {
            double dx = p.x - x;
            double dy = p.y - y;
            double dz = p.z - z;
            if (dx * dx + dy * dy + dz * dz <= d2) {
                w.delivery().out(p, frame);
            }
        }
    }

    public boolean hurtPlayer(org.bukkit.entity.Player target, org.bukkit.entity.Entity attacker, float damage,
            boolean projectile, String deathMessage) {
        return target instanceof OnlinePlayer
                && w.combat().hitByEntity((OnlinePlayer) target, attacker, damage, projectile, deathMessage);
    }

    public void burnPlayer(org.bukkit.entity.Player target, float damage, int fireSeconds, String deathMessage) {
        if (target instanceof OnlinePlayer && !((OnlinePlayer) target).dead
                && target.getGameMode() != org.bukkit.GameMode.CREATIVE) {
            OnlinePlayer p = (OnlinePlayer) target;
            p.fireTicks = Math.max(p.fireTicks, fireSeconds * 20);
            w.survival().damage(p, net.cubeworks.world.game.event.PlayerEvents.worldDamage(w.game().host(), p,
                    org.bukkit.event.entity.EntityDamageEvent.DamageCause.LIGHTNING, damage), deathMessage);
        }
    }

    public void pushPlayer(org.bukkit.entity.Player target, double vx, double vy, double vz) {
        if (target instanceof OnlinePlayer) {
            OnlinePlayer p = (OnlinePlayer) target;
            double[] v = net.cubeworks.world.game.event.PlayerEvents.velocity(w.game().host(), p, vx, vy, vz);
            if (v != null) {
                p.connection().send(PlayPackets.entityVelocity(p.getEntityId(), v[0], v[1], v[2]));
            }
        }
    }

    public void explode(org.bukkit.entity.Entity source, double x, double y, double z, float power) {
        w.blasts().byMob(source, x, y, z, power);
    }

    public void drop(double x, double y, double z, int item, int count, int damage) {
        w.items().dropItem(x, y, z, item, count, damage, null);
    }

    public void dropExperience(double x, double y, double z, int amount) {
        w.items().dropExperience(x, y, z, amount);
    }

    public boolean griefing() {
        return !"false".equals(w.level().gameRules.get("mobGriefing"));
    }

    public boolean mobLoot() {
        return !"false".equals(w.level().gameRules.get("doMobLoot"));
    }

    public boolean give(org.bukkit.entity.Player p, int item, int count) {
        if (!(p instanceof OnlinePlayer)) {
            return false;
        }
        OnlinePlayer o = (OnlinePlayer) p;
        List<Integer> changed = new java.util.ArrayList<Integer>();
        if (!o.inventory().give(item, count, 0, changed)) {
            return false;
        }
        for (int slot : changed) {
            o.sendSlot(slot);
        }
        return true;
    }
}
